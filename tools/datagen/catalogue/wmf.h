// A small writer of placeable Windows metafiles for the technical-data drawings: black lines, one
// font, no bitmaps; coordinates in millimetres from the top left corner, y downwards.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace velor::datagen {

/// A point in millimetres.
struct Pt
{
    double x = 0;
    double y = 0;
};

enum class Stroke
{
    Solid,
    Dashed,
    Thin,
};

/// Horizontal anchor of a text: the x coordinate is its left end, centre or right end.
enum class Anchor
{
    Left,
    Centre,
    Right,
};

/// Records a drawing and encodes it as a placeable metafile of 1440 units per inch. Only these
/// records are written: SETMAPMODE (anisotropic), SETWINDOWORG/EXT, CREATEPENINDIRECT,
/// CREATEBRUSHINDIRECT, CREATEFONTINDIRECT, SELECTOBJECT, DELETEOBJECT, SETBKMODE (transparent),
/// SETTEXTALIGN, POLYLINE, RECTANGLE, ROUNDRECT, ELLIPSE, TEXTOUT and EOF.
class Metafile
{
public:
    /// A sheet of `width` x `height` mm; text height `textMm` mm.
    Metafile(double width, double height, double textMm = 3.0);

    void line(Pt a, Pt b, Stroke stroke = Stroke::Solid);
    void polyline(const std::vector<Pt>& points, Stroke stroke = Stroke::Solid);
    void rectangle(Pt topLeft, Pt bottomRight, Stroke stroke = Stroke::Solid);
    void roundRect(Pt topLeft, Pt bottomRight, double cornerMm, Stroke stroke = Stroke::Solid);
    void ellipse(Pt centre, double rx, double ry, Stroke stroke = Stroke::Solid);
    /// Text with its baseline at `at.y`.
    void text(Pt at, const std::string& text, Anchor anchor = Anchor::Centre);

    /// A line with an open arrowhead at `to`.
    void arrow(Pt from, Pt to, Stroke stroke = Stroke::Solid);
    /// A dimension between a and b (horizontal or vertical), drawn `offset` mm beside them with
    /// extension lines, arrowheads at both ends and `label` at its middle.
    void dimension(Pt a, Pt b, double offset, const std::string& label);

    /// The complete metafile.
    std::vector<std::uint8_t> bytes() const;

private:
    struct Record
    {
        std::uint16_t function = 0;
        std::vector<std::uint16_t> params;
    };

    std::int16_t unit(double mm) const;
    void selectPen(Stroke stroke);
    void add(std::uint16_t function, std::vector<std::uint16_t> params);

    double m_width, m_height;
    std::vector<Record> m_records;
    int m_penObject = -1; // index of the selected pen in the object table
    Stroke m_pen = Stroke::Solid;
};

} // namespace velor::datagen
