// Schematic drawings of the technical data sheets: brazed and gasketed plate packs (front and side
// view), the shell-and-tube exchanger (elevation and end view) and the shell-and-coil exchanger
// (section and plan view). Each carries the dimension letters of its technical-data records.
#include "drawings.h"

#include "wmf.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace velor::datagen {
namespace {

constexpr double kPi = 3.14159265358979323846;

/// Dimension values of a record by name, in mm.
std::map<std::string, double> dimensions(const THERec& r)
{
    std::map<std::string, double> dims;
    for (std::size_t k = 0; k < r.DimName.size(); ++k)
        if (!r.DimName[k].empty())
            dims[r.DimName[k]] = r.DimValue[k];
    return dims;
}

/// A port circle with its label and a flow arrow (into the port when `inlet`), leading to the side
/// `dir` (−1 left, +1 right).
void port(Metafile& m, Pt c, double r, const std::string& label, bool inlet, int dir, Stroke stroke)
{
    m.ellipse(c, r, r, stroke);
    const Pt outside{c.x + dir * (r + 7), c.y};
    const Pt edge{c.x + dir * r, c.y};
    if (inlet)
        m.arrow(outside, edge, Stroke::Thin);
    else
        m.arrow(edge, outside, Stroke::Thin);
    m.text({outside.x + dir * 1.0, c.y + 1.0}, label, dir < 0 ? Anchor::Right : Anchor::Left);
}

/// Plate packs: front view with the four ports on the left, side view of the pack on the right.
std::vector<std::uint8_t> plateDrawing(const THERec& r, bool twoPass, bool gasketed)
{
    auto d = dimensions(r);
    const double A = d["A"], B = d["B"], C = d["C"], D = d["D"], E = d["E"], F = d["F"];
    Metafile m(169, 76);
    const double s = 52.0 / A; // drawing scale
    const double top = 12, x0 = 30;
    const double w = B * s, h = A * s;
    if (gasketed) {
        m.rectangle({x0, top}, {x0 + w, top + h});
        m.rectangle({x0 + w / 2 - 2, top - 3}, {x0 + w / 2 + 2, top}); // carrying bar section
    } else {
        m.roundRect({x0, top}, {x0 + w, top + h}, 2.0);
    }
    const double cx = x0 + w / 2, cy = top + h / 2;
    const double portR = std::max(1.0, (B - 30 - D) * s / 2);
    const Pt tl{cx - D * s / 2, cy - C * s / 2}, tr{cx + D * s / 2, cy - C * s / 2};
    const Pt bl{cx - D * s / 2, cy + C * s / 2}, br{cx + D * s / 2, cy + C * s / 2};
    if (twoPass) {
        // Hot inlet and cold outlet on the rear plate; the pass plate halves the pack.
        port(m, tl, portR, "D4", true, -1, Stroke::Dashed);
        port(m, tr, portR, "D3", false, +1, Stroke::Dashed);
        m.line({x0, cy}, {x0 + w, cy}, Stroke::Dashed);
    } else {
        port(m, tl, portR, "K1", true, -1, Stroke::Solid);
        port(m, tr, portR, "K2", false, +1, Stroke::Solid);
    }
    port(m, bl, portR, "K4", false, -1, Stroke::Solid);
    port(m, br, portR, "K3", true, +1, Stroke::Solid);
    m.dimension({x0, top}, {x0, top + h}, -14, "A");
    m.dimension({x0, top + h}, {x0 + w, top + h}, 6, "B");
    m.dimension(tr, br, x0 + w + 22 - tr.x, "C");
    m.dimension(tl, tr, top - 4 - tl.y, "D");

    // Side view: connections on the front plate (left), the pack, for "-2" the rear connections.
    const double x1 = 112, e = std::max(E * s, 3.0), f = std::max(F * s, 2.0);
    if (gasketed) {
        const double frame = 3.0, pressure = 2.5;
        m.rectangle({x1, top - 2}, {x1 + frame, top + h + 2});                            // frame plate
        m.rectangle({x1 + frame, top}, {x1 + frame + e, top + h});                        // plate pack
        m.rectangle({x1 + frame + e, top - 1}, {x1 + frame + e + pressure, top + h + 1}); // pressure plate
        const double right = x1 + frame + e + pressure + 14;
        m.rectangle({x1, top - 5}, {right, top - 3.5});            // carrying bar
        m.rectangle({right, top - 5}, {right + 2.5, top + h + 2}); // support column
        for (double y : {top + 1.5, top + h - 1.5}) {              // tie bolts
            m.line({x1 - 2, y}, {x1 + frame + e + pressure + 4, y});
            m.rectangle({x1 + frame + e + pressure, y - 1}, {x1 + frame + e + pressure + 1.5, y + 1});
        }
        for (double y : {tl.y, bl.y})
            m.rectangle({x1 - f, y - portR}, {x1, y + portR});
        m.dimension({x1 + frame, top + h}, {x1 + frame + e, top + h}, 8, "E");
    } else {
        m.roundRect({x1, top}, {x1 + e, top + h}, 1.0);
        m.line({x1 + 1, top}, {x1 + 1, top + h});
        m.line({x1 + e - 1, top}, {x1 + e - 1, top + h});
        for (double y : {tl.y, bl.y})
            m.rectangle({x1 - f, y - portR}, {x1, y + portR},
                        twoPass && y == tl.y ? Stroke::Dashed : Stroke::Solid);
        if (twoPass)
            m.rectangle({x1 + e, tl.y - portR}, {x1 + e + f, tl.y + portR});
        m.dimension({x1, top + h}, {x1 + e, top + h}, 8, "E");
    }
    m.dimension({x1 - f, bl.y + portR}, {x1, bl.y + portR}, 4, "F");
    return m.bytes();
}

/// Shell-and-tube: elevation with the channel head on the left, end view with the nozzle angle.
std::vector<std::uint8_t> shellTubeDrawing(const THERec& r)
{
    auto d = dimensions(r);
    const double L = d["L"], D = d["D"], H = d["H"], N = d["N"];
    Metafile m(64, 122);
    const double sx = 48.0 / L;
    const double sy = std::min(3 * sx, 16.0 / D); // diameter shown up to three times enlarged
    const double x0 = 8, axis = 24, rad = D * sy / 2, len = L * sx;
    const double floor = axis + std::max(H * sy, rad + 9); // room for the lower nozzles
    m.roundRect({x0, axis - rad}, {x0 + len, axis + rad}, rad);
    const double flange = x0 + std::max(0.08 * len, 150.0 / L * len);
    m.line({flange, axis - rad - 1}, {flange, axis + rad + 1}); // channel flange
    auto stub = [&](double x, bool up, const std::string& label, bool inlet, int side) {
        const double y0 = up ? axis - rad : axis + rad, y1 = up ? y0 - 4 : y0 + 4;
        m.rectangle({x - 1, std::min(y0, y1)}, {x + 1, std::max(y0, y1)});
        const Pt outer{x, up ? y1 - 3 : y1 + 3};
        if (inlet)
            m.arrow(outer, {x, y1});
        else
            m.arrow({x, y1}, outer);
        m.text({x + side * 1.8, up ? y1 - 0.5 : y1 + 3.5}, label, side < 0 ? Anchor::Right : Anchor::Left);
    };
    // Channel head on the left, the shell nozzles N apart from the head end.
    const double overall = L;
    const double headX = x0 + std::max(0.03 * len, 75.0 / overall * len);
    const double k2 = x0 + std::max(0.12 * len, 250.0 / overall * len), k3 = k2 + N * sx;
    stub(headX, true, "K1", true, -1);
    stub(headX, false, "K4", false, -1);
    stub(k2, true, "K2", false, +1);
    stub(k3, false, "K3", true, +1);
    // Saddles and floor.
    for (double x : {x0 + 0.25 * len, x0 + 0.75 * len})
        m.polyline({{x - 3, axis + rad * 0.6}, {x - 4, floor}, {x + 4, floor}, {x + 3, axis + rad * 0.6}});
    m.line({x0 - 2, floor}, {x0 + len + 2, floor}, Stroke::Thin);
    m.line({x0 - 2, axis}, {x0 + len + 2, axis}, Stroke::Dashed);
    m.dimension({x0, floor}, {x0 + len, floor}, 6, "L");
    m.dimension({x0 + len, axis}, {x0 + len, floor}, 4, "H");
    m.dimension({k2, axis - rad - 4}, {k3, axis - rad - 4}, -7, "N");

    // End view: shell circle, tube-side nozzle at the top and shell-side nozzle at the angle alfa.
    const Pt c{32, 82};
    const double er = 14;
    m.ellipse(c, er, er);
    m.line({c.x - er - 3, c.y}, {c.x + er + 3, c.y}, Stroke::Dashed);
    m.line({c.x, c.y - er - 3}, {c.x, c.y + er + 3}, Stroke::Dashed);
    const double alfa = d["alfa"] > 0 ? d["alfa"] : 90;
    for (double deg : {0.0, alfa}) {
        const double a = deg * kPi / 180.0;
        const Pt u{std::sin(a), -std::cos(a)};
        m.polyline({{c.x + u.x * er - u.y * 1.2, c.y + u.y * er + u.x * 1.2},
                    {c.x + u.x * (er + 5) - u.y * 1.2, c.y + u.y * (er + 5) + u.x * 1.2},
                    {c.x + u.x * (er + 5) + u.y * 1.2, c.y + u.y * (er + 5) - u.x * 1.2},
                    {c.x + u.x * er + u.y * 1.2, c.y + u.y * er - u.x * 1.2}});
        m.line(c, {c.x + u.x * (er - 3), c.y + u.y * (er - 3)}, Stroke::Thin);
    }
    const double mid = alfa / 2 * kPi / 180.0;
    m.text({c.x + std::sin(mid) * 7, c.y - std::cos(mid) * 7 + 1}, "alfa");
    m.dimension({c.x - er, c.y + er}, {c.x + er, c.y + er}, 6, "D");
    return m.bytes();
}

/// Shell-and-coil: vertical section with the dashed coil, plan view with the nozzle angle.
std::vector<std::uint8_t> coilDrawing(const THERec& r)
{
    auto d = dimensions(r);
    const double H = d["H"], D = d["D"], H1 = d["H1"], H2 = d["H2"];
    Metafile m(64, 122);
    const double s = std::min(78.0 / H, 30.0 / D);
    const double w = D * s, h = H * s;
    const double x0 = 32 - w / 2, top = 12, bottom = top + h;
    m.roundRect({x0, top}, {x0 + w, bottom}, std::min(w / 4, 4.0));
    // The coil: a dashed zig-zag between the shell wall and the displacement core.
    const double low = bottom - H1 * s - 2, high = bottom - H2 * s + 2;
    const int turns = std::max(3, static_cast<int>((low - high) / 5.0));
    std::vector<Pt> helix;
    for (int i = 0; i <= 2 * turns; ++i)
        helix.push_back({i % 2 == 0 ? x0 + 2.5 : x0 + w - 2.5, low - (low - high) * i / (2.0 * turns)});
    m.polyline(helix, Stroke::Dashed);
    m.rectangle({32 - w / 8, high + 3}, {32 + w / 8, low - 3}, Stroke::Thin); // displacement core
    auto stub = [&](double y, int dir, const std::string& label, bool inlet) {
        const double xe = dir < 0 ? x0 : x0 + w, xo = xe + dir * 5;
        m.rectangle({std::min(xe, xo), y - 1}, {std::max(xe, xo), y + 1});
        const Pt outer{xo + dir * 4, y};
        if (inlet)
            m.arrow(outer, {xo, y});
        else
            m.arrow({xo, y}, outer);
        m.text({xo + dir * 1.0, y - 1.8}, label, dir < 0 ? Anchor::Right : Anchor::Left);
    };
    stub(bottom - H2 * s, -1, "K1", true);
    stub(bottom - H1 * s, -1, "K4", false);
    stub(bottom - H2 * s, +1, "K2", false);
    stub(bottom - H1 * s, +1, "K3", true);
    m.line({x0 - 12, bottom}, {x0 + w + 12, bottom}, Stroke::Thin);
    m.dimension({x0, bottom}, {x0, top}, -13, "H");
    m.dimension({x0, top}, {x0 + w, top}, -5, "D");
    m.dimension({x0 + w + 9, bottom}, {x0 + w + 9, bottom - H1 * s}, 0, "H1");
    m.dimension({x0 + w + 15, bottom}, {x0 + w + 15, bottom - H2 * s}, 0, "H2");

    // Plan view: the coil nozzle K1 and the shell nozzle K2 at the angle alfa.
    const Pt c{32, 108};
    const double pr = 6;
    m.ellipse(c, pr, pr);
    const double alfa = d["alfa"] > 0 ? d["alfa"] : 180;
    const std::pair<double, const char*> nozzles[] = {{-90.0, "K1"}, {-90.0 + alfa, "K2"}};
    for (const auto& [deg, label] : nozzles) {
        const double a = deg * kPi / 180.0;
        const Pt u{std::cos(a), std::sin(a)};
        m.line({c.x + u.x * pr, c.y + u.y * pr}, {c.x + u.x * (pr + 4), c.y + u.y * (pr + 4)});
        m.line(c, {c.x + u.x * pr, c.y + u.y * pr}, Stroke::Thin);
        m.text({c.x + u.x * (pr + 6), c.y + u.y * (pr + 6) + 1}, label);
    }
    m.text({c.x, c.y - 1.5}, "alfa");
    return m.bytes();
}

} // namespace

std::vector<std::uint8_t> drawingFor(const std::string& name, const THERec& sample)
{
    if (name == "E12" || name == "E57")
        return plateDrawing(sample, false, true);
    if (name.rfind("PF", 0) == 0 || name.rfind("PG", 0) == 0 || name.rfind("PH", 0) == 0)
        return plateDrawing(sample, name.size() > 2 && name.ends_with("-2"), false);
    if (name == "M")
        return shellTubeDrawing(sample);
    if (name == "ND" || name == "T" || name == "TD" || name == "TW" || name == "TWD" ||
        name.rfind("RUV", 0) == 0)
        return coilDrawing(sample);
    return {};
}

} // namespace velor::datagen
