// Helpers of the window tests: a temporary program folder with small language files, and
// answering a modal dialog by the position of its button.
#pragma once

#include "app/language.h"
#include "app/messagedialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace velor::testing {

/// A fresh folder that is removed with the object.
class TempFolder
{
public:
    TempFolder()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() / ("velor-gui-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

using Entries = std::vector<std::pair<std::string, std::string>>; // (key, text)

/// Writes "Language/<language>/<file>" under `root` in the language's code page.
inline void writeLanguageFile(const std::filesystem::path& root, const std::string& language,
                              const std::string& file, const Entries& entries)
{
    const auto folder = root / "Language" / language;
    std::filesystem::create_directories(folder);
    std::vector<std::uint8_t> bytes(entries.size() * kLanguageRecordSize);
    for (std::size_t i = 0; i < entries.size(); ++i)
        encodeLanguageRecord(LanguageRecord{0, entries[i].first, entries[i].second},
                             bytes.data() + i * kLanguageRecordSize, languageCodePage(language));
    std::ofstream out(folder / file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

/// Entries 0..n-1 with the given texts at their positions (the rest empty).
inline Entries entriesAt(std::size_t count, const std::vector<std::pair<std::size_t, std::string>>& texts)
{
    Entries entries(count);
    for (const auto& [k, text] : texts)
        entries.at(k).second = text;
    return entries;
}

/// What the answered message dialog showed.
struct SeenDialog
{
    bool shown = false;
    QString title;
    QString text;
    QStringList buttons;
};

/// Clicks button `position` of the next modal dialog (polled until it appears) and records it.
inline void answerNextDialog(int position, SeenDialog* seen)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, position, seen, ticks] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (++*ticks > 250) { // no dialog within 5 s: give up
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (seen) {
            seen->shown = true;
            seen->title = modal->windowTitle();
            if (auto* label = modal->findChild<QLabel*>(QStringLiteral("lblText")))
                seen->text = label->text();
            for (int i = 0;; ++i) {
                auto* button = modal->findChild<QPushButton*>(QStringLiteral("btnAnswer%1").arg(i));
                if (!button)
                    break;
                seen->buttons << button->text();
            }
        }
        if (auto* button = modal->findChild<QPushButton*>(QStringLiteral("btnAnswer%1").arg(position)))
            button->click();
        else
            modal->close();
    });
    timer->start();
}

/// Fills `root` as a program folder with the shipped fluids, catalogue, technical data and
/// languages (and an empty Projects folder); false when the build has not generated them.
inline bool copyShipped(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    const fs::path shipped = VELOR_RUNTIME_DIR;
    if (!fs::exists(shipped / "HeatExch" / "M.dat") || !fs::exists(shipped / "Fluids" / "Liquids.dat") ||
        !fs::exists(shipped / "Language" / "English" / "MsgData.dat"))
        return false;
    for (const char* sub : {"Fluids", "HeatExch", "TechData", "Language"})
        if (fs::exists(shipped / sub))
            fs::copy(shipped / sub, root / sub, fs::copy_options::recursive);
    fs::create_directories(root / "Projects");
    return true;
}

} // namespace velor::testing
