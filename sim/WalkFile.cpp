#include "WalkFile.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace krssim {
namespace {

struct Reader {
    std::vector<std::string> lines;
    std::size_t next = 0;
    std::string name;
    std::string error;

    bool fail(std::size_t lineIndex, const std::string& why) {
        error = name + ":" + std::to_string(lineIndex + 1) + ": " + why;
        return false;
    }
};

bool quoteOpen(std::string_view text) {
    auto start = text.find('"');
    if (start == std::string_view::npos) {
        return false;
    }
    bool open = false;
    for (auto i = start; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == '"') {
            open = !open;
        }
    }
    return open;
}

bool hexOnly(const std::string& line) {
    return !line.empty() && line.find_first_not_of("0123456789abcdefABCDEF \t\r") == std::string::npos;
}

// Joins the continuation lines snmpwalk prints for long or multi-line strings.
std::string joinContinuations(Reader& r, std::string text) {
    if (text.rfind("STRING:", 0) == 0) {
        while (quoteOpen(text) && r.next < r.lines.size()) {
            text += '\n' + r.lines[r.next++];
        }
    } else if (text.rfind("Hex-STRING:", 0) == 0) {
        while (r.next < r.lines.size() && hexOnly(r.lines[r.next])) {
            text += ' ' + r.lines[r.next++];
        }
    }
    return text;
}

bool parseRange(std::string_view text, std::pair<std::int64_t, std::int64_t>& range) {
    auto dots = text.find("..");
    if (dots == std::string_view::npos) {
        return false;
    }
    auto lo = text.substr(0, dots), hi = text.substr(dots + 2);
    auto r1 = std::from_chars(lo.data(), lo.data() + lo.size(), range.first);
    auto r2 = std::from_chars(hi.data(), hi.data() + hi.size(), range.second);
    return r1.ec == std::errc() && r1.ptr == lo.data() + lo.size() && r2.ec == std::errc() &&
           r2.ptr == hi.data() + hi.size() && range.first <= range.second;
}

bool parseList(std::string_view text, std::vector<std::int64_t>& values) {
    while (!text.empty()) {
        std::int64_t v = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (ec != std::errc()) {
            return false;
        }
        values.push_back(v);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
        if (!text.empty() && text.front() != ',') {
            return false;
        }
        if (!text.empty()) {
            text.remove_prefix(1);
        }
    }
    return !values.empty();
}

bool parseAttribute(const std::string& word, ObjectRule& rule) {
    auto eq = word.find('=');
    std::string_view key = std::string_view(word).substr(0, eq);
    std::string_view arg =
        eq == std::string::npos ? std::string_view{} : std::string_view(word).substr(eq + 1);
    if (key == "range") {
        rule.range.emplace();
        return parseRange(arg, *rule.range);
    }
    if (key == "size") {
        rule.size.emplace();
        return parseRange(arg, *rule.size);
    }
    if (key == "enum") {
        return parseList(arg, rule.allowed);
    }
    if (key == "remove") {
        std::vector<std::int64_t> v;
        bool ok = parseList(arg, v) && v.size() == 1;
        rule.removeValue = ok ? v[0] : 0;
        return ok;
    }
    return false;
}

bool parseRule(Reader& r, std::size_t at, const std::string& line, MibStore& store) {
    std::istringstream words(line);
    std::string keyword, oidText;
    words >> keyword >> oidText;
    auto oid = parseOid(oidText);
    if (!oid) {
        return r.fail(at, "rule without a valid OID");
    }
    ObjectRule& rule = store.rule(*oid);
    if (keyword == "@default") {
        auto eq = line.find(" = ");
        std::string why;
        Value v;
        if (eq == std::string::npos || !parseValue(line.substr(eq + 3), v, why)) {
            return r.fail(at, eq == std::string::npos ? "default without \" = value\"" : why);
        }
        rule.defaultValue = v;
        return true;
    }
    if (keyword == "@rowstatus" || keyword == "@status") {
        rule.kind = keyword == "@rowstatus" ? ObjectRule::Kind::RowStatus : ObjectRule::Kind::Status;
    } else if (keyword != "@writable") {
        return r.fail(at, "unknown rule \"" + keyword + "\"");
    }
    rule.writable = true;
    for (std::string word; words >> word;) {
        if (!parseAttribute(word, rule)) {
            return r.fail(at, "bad rule attribute \"" + word + "\"");
        }
    }
    if (rule.kind == ObjectRule::Kind::Status && !rule.removeValue) {
        return r.fail(at, "@status needs remove=N");
    }
    return true;
}

bool parseLine(Reader& r, std::size_t at, const std::string& line, MibStore& store) {
    if (line.front() == '@') {
        return parseRule(r, at, line, store);
    }
    auto eq = line.find(" = ");
    if (eq == std::string::npos) {
        if (line.find("No more variables left") != std::string::npos) {
            return true;
        }
        return r.fail(at, "expected \"OID = TYPE: value\"");
    }
    auto oid = parseOid(line.substr(0, eq));
    if (!oid) {
        return r.fail(at, "malformed OID \"" + line.substr(0, eq) + "\"");
    }
    std::string text = joinContinuations(r, line.substr(eq + 3));
    if (text.rfind("No Such", 0) == 0) {
        return true;
    }
    Value value;
    std::string why;
    if (!parseValue(text, value, why)) {
        return r.fail(at, why);
    }
    store.set(*oid, std::move(value));
    return true;
}

std::string rangeText(const char* key, const std::pair<std::int64_t, std::int64_t>& range) {
    return std::string(" ") + key + "=" + std::to_string(range.first) + ".." + std::to_string(range.second);
}

void saveRule(std::ostream& out, const Oid& oid, const ObjectRule& rule) {
    static const char* kinds[] = {"@writable ", "@rowstatus ", "@status "};
    if (rule.writable) {
        out << kinds[static_cast<int>(rule.kind)] << formatOid(oid);
        if (rule.range) {
            out << rangeText("range", *rule.range);
        }
        if (rule.size) {
            out << rangeText("size", *rule.size);
        }
        for (std::size_t i = 0; i < rule.allowed.size(); ++i) {
            out << (i == 0 ? " enum=" : ",") << rule.allowed[i];
        }
        if (rule.removeValue) {
            out << " remove=" << *rule.removeValue;
        }
        out << '\n';
    }
    if (rule.defaultValue) {
        out << "@default " << formatOid(oid) << " = " << formatValue(*rule.defaultValue) << '\n';
    }
}

} // namespace

bool loadWalk(std::istream& in, const std::string& name, MibStore& store, std::string& error) {
    Reader r;
    r.name = name;
    for (std::string line; std::getline(in, line);) {
        r.lines.push_back(line);
    }
    while (r.next < r.lines.size()) {
        std::size_t at = r.next++;
        std::string line = r.lines[at];
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') {
            continue;
        }
        if (!parseLine(r, at, line.substr(start), store)) {
            error = r.error;
            return false;
        }
    }
    return true;
}

namespace {

// The "*.walk" files of a folder in name order, so each feature area keeps its objects in a file of its own.
bool loadWalkFolder(const std::filesystem::path& folder, MibStore& store, std::string& error) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".walk") {
            files.push_back(entry.path());
        }
    }
    if (ec || files.empty()) {
        error = folder.string() + ": no data files (*.walk) can be read there";
        return false;
    }
    std::sort(files.begin(), files.end());
    return std::all_of(files.begin(), files.end(), [&](const std::filesystem::path& file) {
        return loadWalkFile(file.string(), store, error);
    });
}

} // namespace

bool loadWalkFile(const std::string& path, MibStore& store, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return loadWalkFolder(path, store, error);
    }
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be opened";
        return false;
    }
    return loadWalk(in, path, store, error);
}

void saveWalk(std::ostream& out, const MibStore& store) {
    for (const auto& [oid, rule] : store.rules()) {
        saveRule(out, oid, rule);
    }
    for (const auto& [oid, value] : store.values()) {
        out << formatOid(oid) << " = " << formatValue(value) << '\n';
    }
}

bool saveWalkFile(const std::string& path, const MibStore& store, std::string& error) {
    std::ofstream out(path, std::ios::trunc);
    if (out) {
        saveWalk(out, store);
        out.flush();
    }
    if (!out) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

} // namespace krssim
