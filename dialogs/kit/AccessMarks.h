// Writes that send only some columns: a scope that saves every access word of a variable list
// and puts them all back when it ends, also when the write raises; and a sequence of SETs, one
// per step, each carrying only its step's columns, sent in order.
#pragma once

#include <initializer_list>
#include <span>
#include <vector>

class QsSNMPRequest2Controls;
class QsSNMPVarList;

namespace qs {

class AccessMarks {
public:
    explicit AccessMarks(QsSNMPVarList& list);
    ~AccessMarks();
    AccessMarks(const AccessMarks&) = delete;
    AccessMarks& operator=(const AccessMarks&) = delete;

    // Leaves the columns out of the next SET (the "invalid" mark).
    void Exclude(std::span<const int> columns);
    void Exclude(std::initializer_list<int> columns) { Exclude(std::span<const int>(columns)); }
    // Puts the saved words of the columns back.
    void Restore(std::span<const int> columns);
    void Restore(std::initializer_list<int> columns) { Restore(std::span<const int>(columns)); }
    // Of the managed columns, marks every one not in keep and restores those in keep.
    void KeepOnly(std::span<const int> managed, std::span<const int> keep);
    void RestoreAll();

private:
    QsSNMPVarList& list_;
    std::vector<unsigned> saved_;
};

// One SET of a sequence: the managed columns it carries.
using SetStep = std::vector<int>;

// Sends one SET per step through the request (values collected from the selected row and the
// controls; the table read again after each accepted SET only when refreshAfterSet), each
// carrying only that step's columns of managed. An
// asynchronous request sends every step without waiting; a blocking one waits for each. A step
// that is not sent ends the sequence (false); an exception ends it and passes on. The access
// words are put back in every case.
bool SendSequence(QsSNMPRequest2Controls& request, std::span<const int> managed,
                  const std::vector<SetStep>& steps, bool refreshAfterSet = false);

} // namespace qs
