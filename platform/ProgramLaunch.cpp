#include "ProgramLaunch.h"

#include <QProcess>
#include <QStringList>

namespace qs {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    for (char c : commandLine) {
        if (c == ' ') {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

bool LaunchProgram(const std::string& commandLine) {
    const std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty()) {
        return false;
    }
    QStringList args;
    for (std::size_t i = 1; i < words.size(); ++i) {
        args << QString::fromStdString(words[i]);
    }
    return QProcess::startDetached(QString::fromStdString(words[0]), args);
}

} // namespace qs
