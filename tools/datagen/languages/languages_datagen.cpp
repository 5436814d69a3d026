// Build-time generator of the delivered language files: turns the UTF-8 text sources of
// data/languages/<Language>/<File>.txt into Language/<Language>/<File>.dat (406-byte records in
// the language's code page), after checking that every language matches the English reference.
#include "app/language.h"
#include "base/codepage.h"
#include "base/recordfile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace velor;

namespace {

constexpr std::string_view kReferenceLanguage = "English";
constexpr std::string_view kLanguageNames = "Lang";

struct SourceEntry
{
    std::string key;  // UTF-8
    std::string text; // UTF-8
    int line = 0;     // line of the source file, for messages
};

using SourceFile = std::vector<SourceEntry>;
using Language = std::map<std::string, SourceFile>; // file stem -> entries

std::vector<std::string> g_errors;

void fail(const fs::path& file, int line, const std::string& message)
{
    std::ostringstream out;
    out << file.string();
    if (line > 0)
        out << ':' << line;
    out << ": " << message;
    g_errors.push_back(out.str());
}

/// Reads one source (UTF-8, LF or CRLF): '#' lines are comments, blank lines are skipped, every
/// other line is "<entry number><TAB><key><TAB><text>" with the entry numbers 0, 1, 2, ... in
/// order. The text runs to the end of the line and keeps its spaces (some captions end in two
/// spaces).
SourceFile readSource(const fs::path& path)
{
    SourceFile entries;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fail(path, 0, "cannot be read");
        return entries;
    }
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (lineNo == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3); // a byte-order mark some editors write
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        const auto tab1 = line.find('\t');
        const auto tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos) {
            fail(path, lineNo, "expected <number><TAB><key><TAB><text>");
            continue;
        }
        const std::string number = line.substr(0, tab1);
        if (number != std::to_string(entries.size())) {
            fail(path, lineNo,
                 "entry number " + number + " where " + std::to_string(entries.size()) + " was expected");
            continue;
        }
        entries.push_back({line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1), lineNo});
    }
    return entries;
}

/// A string must come back unchanged from the language's code page and fit the record's 200 bytes.
void checkEncodable(const fs::path& path, int line, const std::string& what, const std::string& text,
                    CodePage codePage)
{
    const std::string bytes = fromUtf8(text, codePage);
    if (toUtf8(bytes, codePage) != text)
        fail(path, line, what + " holds characters its code page cannot store: \"" + text + "\"");
    if (bytes.size() > kLanguageStringCapacity)
        fail(path, line,
             what + " is " + std::to_string(bytes.size()) + " bytes long, more than the 200 a record holds");
}

Bytes encodeFile(const SourceFile& entries, CodePage codePage)
{
    Bytes bytes(entries.size() * kLanguageRecordSize, 0);
    for (std::size_t i = 0; i < entries.size(); ++i)
        encodeLanguageRecord({0, entries[i].key, entries[i].text}, bytes.data() + i * kLanguageRecordSize,
                             codePage);
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <source folder> <Language output folder>\n", argv[0]);
        return 2;
    }
    const fs::path sourceRoot = argv[1];
    const fs::path outputRoot = argv[2];

    // Every sub-folder of the sources is one language; its .txt files are its language files.
    std::map<std::string, Language> languages;
    std::error_code ec;
    for (const auto& folder : fs::directory_iterator(sourceRoot, ec)) {
        if (!folder.is_directory())
            continue;
        Language& language = languages[folder.path().filename().string()];
        for (const auto& file : fs::directory_iterator(folder.path()))
            if (file.is_regular_file() && file.path().extension() == ".txt")
                language[file.path().stem().string()] = readSource(file.path());
    }
    if (ec) {
        std::fprintf(stderr, "%s: cannot list the language sources\n", sourceRoot.string().c_str());
        return 1;
    }
    const auto reference = languages.find(std::string(kReferenceLanguage));
    if (reference == languages.end()) {
        std::fprintf(stderr, "%s: the English sources are missing\n", sourceRoot.string().c_str());
        return 1;
    }

    for (const auto& [name, language] : languages) {
        const CodePage codePage = languageCodePage(name);
        const fs::path folder = sourceRoot / name;
        for (const auto& [stem, entries] : reference->second)
            if (!language.count(stem))
                fail(folder / (stem + ".txt"), 0, "missing (English has it)");
        for (const auto& [stem, entries] : language) {
            const fs::path path = folder / (stem + ".txt");
            const auto ref = reference->second.find(stem);
            if (ref == reference->second.end()) {
                fail(path, 0, "not a file of the English reference");
                continue;
            }
            // The same entries in the same order as English: entry k means the same in every
            // language, which the keys make visible.
            if (entries.size() != ref->second.size())
                fail(path, 0,
                     std::to_string(entries.size()) + " entries where English has " +
                         std::to_string(ref->second.size()));
            for (std::size_t k = 0; k < std::min(entries.size(), ref->second.size()); ++k)
                if (entries[k].key != ref->second[k].key)
                    fail(path, entries[k].line,
                         "key \"" + entries[k].key + "\" where English has \"" + ref->second[k].key + "\"");
            for (const SourceEntry& e : entries) {
                checkEncodable(path, e.line, "the key", e.key, codePage);
                checkEncodable(path, e.line, "the text", e.text, codePage);
            }
        }
        // The Language menu shows these names: one per installed language, none twice.
        const auto names = language.find(std::string(kLanguageNames));
        if (names != language.end()) {
            const fs::path path = folder / "Lang.txt";
            std::set<std::string> keys, texts;
            for (const SourceEntry& e : names->second) {
                if (!languages.count(e.key))
                    fail(path, e.line, "\"" + e.key + "\" is not a language folder");
                if (!keys.insert(e.key).second || !texts.insert(e.text).second || e.text.empty())
                    fail(path, e.line, "every language needs its own, non-empty display name");
            }
            for (const auto& [other, unused] : languages)
                if (!keys.count(other))
                    fail(path, 0, "no display name for the language \"" + other + "\"");
        }
    }
    if (!g_errors.empty()) {
        for (const std::string& e : g_errors)
            std::fprintf(stderr, "%s\n", e.c_str());
        return 1;
    }

    for (const auto& [name, language] : languages) {
        const fs::path folder = outputRoot / name;
        fs::create_directories(folder, ec);
        for (const auto& [stem, entries] : language) {
            const fs::path target = folder / (stem + ".dat");
            const Status written = replaceFile(target, encodeFile(entries, languageCodePage(name)));
            if (!written) {
                std::fprintf(stderr, "%s: %s\n", target.string().c_str(), written.error().message.c_str());
                return 1;
            }
        }
    }
    return 0;
}
