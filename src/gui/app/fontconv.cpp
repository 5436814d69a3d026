// Conversions between stored fonts and Qt fonts.
#include "app/fontconv.h"

#include "app/guitext.h"

namespace velor {

QFont toQFont(const FontSpec& spec)
{
    QFont font(qs(spec.name));
    if (spec.size > 0)
        font.setPointSize(spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

FontSpec fromQFont(const QFont& font, int charset)
{
    FontSpec spec;
    spec.name = us(font.family());
    spec.size = font.pointSize() > 0 ? font.pointSize() : 8;
    spec.charset = charset;
    spec.bold = font.bold();
    spec.italic = font.italic();
    return spec;
}

} // namespace velor
