// The message dialog of the main window: a title, an icon kind, lines of text and a row of
// buttons whose captions come from the language's message file; it answers with the position of
// the button chosen. Without a readable message file no dialog is shown.
#pragma once

#include "app/language.h"

#include <QDialog>
#include <QStringList>
#include <optional>
#include <vector>

namespace velor {

enum class MessageKind
{
    Information,
    Warning,
    Error,
    Question,
};

/// A message to show: every text already taken from the message file.
struct MessageSpec
{
    QString title;
    MessageKind kind = MessageKind::Information;
    QStringList texts;   ///< each shown as "    " + text + "    " after one empty line
    QStringList buttons; ///< captions in order; the first is the default
};

class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    MessageDialog(const MessageSpec& spec, QWidget* parent);

    /// The position of the chosen button; -1 when the dialog was closed without one.
    int answer() const { return m_answer; }

    /// The lines shown: an empty first line, then each text padded with four spaces each side.
    static QStringList messageLines(const QStringList& texts);

    /// Shows `spec` modally over `parent` and returns the position of the chosen button.
    static int ask(const MessageSpec& spec, QWidget* parent);

private:
    int m_answer = -1;
};

/// The entries of "MsgData.dat" of the current language (every language, English included).
TListNames loadMessages(const Settings& settings);

/// Builds a message from "MsgData.dat" entries: the title entry, the texts, the button entries.
/// nullopt when the file cannot be read (the caller goes on without a dialog).
std::optional<MessageSpec> messageFromFile(const TListNames& messages, std::size_t titleEntry,
                                           MessageKind kind, const QStringList& texts,
                                           const std::vector<std::size_t>& buttonEntries);

} // namespace velor
