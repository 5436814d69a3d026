// Small helpers between the core's UTF-8 strings and Qt, and the rule by which a language entry
// is applied to a control: captions take the text as it stands, hints switch off when empty.
#pragma once

#include "app/language.h"

#include <QAction>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <string>
#include <string_view>

namespace velor {

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string us(const QString& text)
{
    return text.toStdString();
}

/// Entry k of `list`, or the built-in text when the list does not reach entry k.
inline QString entryText(const TListNames& list, std::size_t k, const QString& builtIn)
{
    const auto text = list.text(k);
    return text ? qs(*text) : builtIn;
}

/// A translated menu item gets its caption and loses its hint.
inline void applyMenuCaption(QAction* action, const TListNames& list, std::size_t k, const QString& builtIn)
{
    action->setText(entryText(list, k, builtIn));
    action->setToolTip(QString());
    action->setStatusTip(QString());
}

/// A toolbar button shows no caption; the entry becomes its hint (an empty entry: no hint).
inline void applyToolbarHint(QAction* action, const TListNames& list, std::size_t k, const QString& builtIn)
{
    const QString hint = entryText(list, k, builtIn);
    action->setIconText(QString());
    action->setToolTip(hint);
    action->setStatusTip(hint);
}

/// A control's hint: shown as tool tip, switched off by an empty text.
inline void applyHint(QWidget* widget, const TListNames& list, std::size_t k, const QString& builtIn)
{
    widget->setToolTip(entryText(list, k, builtIn));
}

/// Caption of anything with setText (labels, buttons, radios, check boxes).
template<typename Control>
void applyCaption(Control* control, const TListNames& list, std::size_t k, const QString& builtIn)
{
    control->setText(entryText(list, k, builtIn));
}

} // namespace velor
