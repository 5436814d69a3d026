#!/usr/bin/env python3
"""Computes the catalogue's text sources in data/catalogue/ from the size geometry and the
correlations in geometry.py / correlations.py:

  sizes.csv      one row per size: type, Id, Name and the 87 record values (base units)
  limits.csv     working limits per size variant (ParamW.dat)
  diameters.csv  nominal connection diameters (DiameterP.dat)
  techdata.json  technical data per size variant (he.dat)

Pure Python 3 (no third-party modules). Re-running it reproduces the committed files exactly:
    python3 tools/data/catalogue/make_catalogue.py [--check]
"""
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches

import argparse  # noqa: E402
import io  # noqa: E402
import json  # noqa: E402
import math  # noqa: E402
import os  # noqa: E402

import geometry as g

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", ".."))
OUT = os.path.join(ROOT, "data", "catalogue")

# --- Working-limit variants --------------------------------------------------------------------
# (letter, material, (MaxTempHot, MaxTempCold, MinTempHot, MinTempCold, MaxPressHot, MaxPressCold),
#  connection kind). Temperatures deg.C, pressures bar.
BRAZED_SMALL = [("A", "1.4404 / Cu", (185, 185, -160, -160, 30, 30), "thread"),
                ("B", "1.4404 / Cu", (150, 150, -160, -160, 45, 45), "npt"),
                ("C", "1.4404 / Ni", (225, 225, -196, -196, 16, 16), "weld")]
BRAZED_LARGE = [("A", "1.4404 / Cu", (185, 185, -160, -160, 25, 25), "flange"),
                ("C", "1.4404 / Ni", (225, 225, -196, -196, 16, 16), "weld")]
GASKETED = [("A", "1.4404 / EPDM", (150, 150, -25, -25, 16, 16), "flange"),
            ("B", "1.4404 / NBR", (110, 110, -15, -15, 16, 16), "flange")]
SHELL_TUBE = [("A", "1.4404 / P265GH", (180, 180, -10, -10, 10, 10), "flange"),
              ("B", "1.4404 / P265GH", (200, 200, -10, -10, 16, 16), "flange"),
              ("C", "1.4404", (200, 200, -40, -40, 25, 16), "flange")]
CONDENSER_GT = [("A", "1.4404 / P265GH", (185, 120, 2, 2, 10, 10), "flange"),
                ("B", "1.4404 / P265GH", (205, 150, 2, 2, 16, 16), "flange")]
LIQUID_COIL = [("A", "1.4404", (150, 110, -10, -10, 10, 6), "flange"),
               ("B", "1.4404", (180, 150, -10, -10, 16, 10), "flange")]
STEAM_COIL = [("A", "1.4404", (185, 110, -10, -10, 10, 6), "flange"),
              ("B", "1.4404", (205, 150, -10, -10, 16, 10), "flange")]
STEAM_VARIANT = ("W", "1.4404", (185, 110, -10, -10, 10, 6), "flange")


def variants(code, name):
    base = code.split("-")[0]
    if base in ("PF10", "PF20", "PF30", "PG25", "PG40"):
        return BRAZED_SMALL
    if base in ("PG55", "PH90", "PH150"):
        if base == "PG55":
            return [(l, m, lim, "thread" if kind == "flange" else kind) for l, m, lim, kind in BRAZED_LARGE]
        return BRAZED_LARGE
    if base in ("E12", "E57"):
        return GASKETED
    if code in ("M", "GV"):
        return SHELL_TUBE
    if code == "GT":
        return CONDENSER_GT
    if code in ("T", "TD", "RUV", "RUV D"):
        return LIQUID_COIL + ([STEAM_VARIANT] if name in g.STEAM_RATED else [])
    return STEAM_COIL


# --- Connections ------------------------------------------------------------------------------
THREAD_BY_PORT_MM = {24: '3/4"', 30: '1"', 40: '1 1/4"', 45: '1 1/2"', 55: '2"', 65: '2 1/2"'}
THREAD_BY_DN = {"DN20": '3/4"', "DN25": '1"', "DN32": '1 1/4"', "DN40": '1 1/2"', "DN50": '2"',
                "DN65": '2 1/2"'}
WELD_OD_BY_PORT_MM = {24: 28, 30: 35, 40: 42, 45: 48, 55: 60, 65: 76, 80: 89, 100: 108}
CONN_TYPE = {"thread": "Gwint zewnetrzny G", "npt": "Gwint zewnetrzny NPT", "flange": "Kolnierz",
             "weld": "Do spawania", "vent": "Gwint wewnetrzny G"}
PN_STEPS = (6, 10, 16, 25, 40)


def pn_for(bar):
    return next(p for p in PN_STEPS if p >= bar)


def conn(label, kind, size, material="1.4404"):
    return dict(label=label, type=CONN_TYPE[kind], material=material, size=size)


def empty_conn(label=""):
    return dict(label=label, type="", material="", size="")


def plate_conn_size(kind, port_mm, bar):
    if kind == "thread":
        return "G " + THREAD_BY_PORT_MM[port_mm]
    if kind == "npt":
        return THREAD_BY_PORT_MM[port_mm] + " NPT"
    if kind == "weld":
        return f"{WELD_OD_BY_PORT_MM[port_mm]} mm"
    return f"DN{port_mm} PN{pn_for(bar)}"


def nozzle_size(kind, dn, bar):
    if kind == "thread":
        return "G " + THREAD_BY_DN[dn]
    return f"{dn} PN{pn_for(bar)}"


def connections(geo, kind, limits):
    groups = [empty_conn() for _ in range(10)]
    if geo["kind"] == "plate":
        port_mm = round(geo["port"] * 1000)
        c = conn("", kind, plate_conn_size(kind, port_mm, max(limits[4], limits[5])))
        def labelled(label):
            return dict(c, label=label)
        if geo["passes"] == 1:
            groups[0:4] = [labelled(l) for l in ("K1", "K2", "K3", "K4")]
        else:
            groups[0:4] = [empty_conn("K1"), empty_conn("K2"), labelled("K3"), labelled("K4")]
            groups[6] = labelled("D3")
            groups[7] = labelled("D4")
        return groups
    small = geo["ds"] <= (0.15 if geo["kind"] == "st" else 0.21) + 1e-9
    nozzle_kind = "thread" if small else "flange"
    tube = nozzle_size(nozzle_kind, geo["nozzle"], limits[4])
    shell = nozzle_size(nozzle_kind, geo["nozzle"], limits[5])
    groups[0] = conn("K1", nozzle_kind, tube)
    groups[1] = conn("K2", nozzle_kind, shell)
    groups[2] = conn("K3", nozzle_kind, shell)
    groups[3] = conn("K4", nozzle_kind, tube)
    if geo["ds"] >= 0.30 - 1e-9:
        groups[4] = conn("E1", "vent", 'G 1/2"')
        groups[5] = conn("E2", "vent", 'G 1/2"')
    return groups


# --- Media texts -------------------------------------------------------------------------------
MEDIA = {  # (tube or plate EN, shell EN, tube PL, shell PL)
    "plate": ("Water, glycol solutions, non-aggressive liquids",
              "Water, glycol solutions, non-aggressive liquids",
              "Woda, roztwory glikoli, ciecze nieagresywne",
              "Woda, roztwory glikoli, ciecze nieagresywne"),
    "steam_tube": ("Steam, water", "Water", "Para wodna, woda", "Woda"),
    "steam_shell": ("Water", "Steam, water", "Woda", "Para wodna, woda"),
    "liquid": ("Water, glycol solutions, oils", "Water, glycol solutions, oils",
               "Woda, roztwory glikoli, oleje", "Woda, roztwory glikoli, oleje"),
}
STEAM_TYPES = ("ND", "TW", "TWD", "RUV W", "RUV WD")


def media(code, geo, letter):
    if geo["kind"] == "plate":
        key = "plate"
    elif code == "GT":
        key = "steam_shell"
    elif code in STEAM_TYPES or letter == "W":
        key = "steam_tube"
    else:
        key = "liquid"
    en1, en2, pl1, pl2 = MEDIA[key]
    return [dict(text1=pl1, text2=pl2, language="Polski"),
            dict(text1=en1, text2=en2, language="Angielski")]


# --- Dimensions, volumes, weights ----------------------------------------------------------------
STEEL_DENSITY = 8000.0  # kg/m3, 1.4404
GASKETED_FRAME = {"E12": 120.0, "E57": 650.0}


def mm(x):
    return int(round(x * 1000.0))


def plate_sheet(geo, kind):
    w, l, b, port, t, n = geo["width"], geo["length"], geo["gap"], geo["port"], geo["thickness"], geo["plates"]
    a_dim = l + port + 0.050
    b_dim = w + 0.040
    dims = [("A", mm(a_dim)), ("B", mm(b_dim)), ("C", mm(l)), ("D", mm(w + 0.010 - port)),
            ("E", mm(n * (b + t) + 0.006)), ("F", 80 if kind == "flange" else 20)]
    vol1 = geo["tube_channels"] * b * w * (l + port) * 1000.0
    vol2 = geo["shell_channels"] * b * w * (l + port) * 1000.0
    if geo["gasketed"]:
        weight = STEEL_DENSITY * n * t * a_dim * b_dim * 1.1 + GASKETED_FRAME[geo["base"]]
    else:
        weight = STEEL_DENSITY * (n * t + 0.006) * a_dim * b_dim * 1.1
    return dims, vol1, vol2, weight


def st_sheet(geo):
    ds, l, do, tw, di, nt = geo["ds"], geo["length"], geo["do"], geo["tw"], geo["di"], geo["tubes"]
    dims = [("L", mm(l + 0.300)), ("D", mm(ds + 0.008)), ("H", mm(ds / 2 + 0.100)),
            ("N", mm(l - 0.200)), ("alfa", 90)]
    vol1 = (nt * math.pi * di * di / 4 * l + 2 * math.pi * ds * ds / 4 * 0.08) * 1000.0
    vol2 = (math.pi * ds * ds / 4 - nt * math.pi * do * do / 4) * l * 1000.0
    weight = 1.15 * STEEL_DENSITY * (nt * math.pi * (do - tw) * tw * l + math.pi * ds * 0.004 * l
                                     + 2 * math.pi * ds * ds / 4 * 0.020)
    return dims, vol1, vol2, weight


def coil_sheet(geo):
    ds, l, do, tw, di, ns, lc, core = (geo["ds"], geo["length"], geo["do"], geo["tw"], geo["di"],
                                       geo["starts"], geo["l_coil"], geo["core"])
    dims = [("H", mm(l + 0.150)), ("D", mm(ds + 0.006)), ("H1", 75), ("H2", mm(l + 0.075)),
            ("alfa", 180)]
    vol1 = ns * math.pi * di * di / 4 * lc * 1000.0
    vol2 = (math.pi * (ds * ds - core * core) / 4 * l - ns * math.pi * do * do / 4 * lc) * 1000.0
    weight = 1.15 * STEEL_DENSITY * (ns * math.pi * (do - tw) * tw * lc + math.pi * ds * 0.003 * l
                                     + 2 * math.pi * ds * ds / 4 * 0.006)
    return dims, vol1, vol2, weight


SURFACE = {"plate": "Plyta karbowana", "st": "Rura gladka", "coil": "Wezownica"}


def tech_records(types):
    out = []
    for type_index, (code, sizes) in enumerate(types, 1):
        for name, rec in sizes:
            geo = rec["geo"]
            for letter, material, limits, kind in variants(code, name):
                if geo["kind"] == "plate":
                    dims, v1, v2, weight = plate_sheet(geo, kind)
                elif geo["kind"] == "st":
                    dims, v1, v2, weight = st_sheet(geo)
                else:
                    dims, v1, v2, weight = coil_sheet(geo)
                number = ord(letter) - ord("A") + 1
                out.append(dict(
                    CatalogNumber=f"{type_index:02d}.{rec['Id']:04d}.{number:02d}",
                    Name=f"{name}.{letter}",
                    SurfaceType=SURFACE[geo["kind"]],
                    Material=material,
                    Drawing="" if code in ("GT", "GV") else code.replace(" ", ""),
                    MaxTempHot=limits[0], MaxTempCold=limits[1], MinTempHot=limits[2],
                    MinTempCold=limits[3], MaxPressHot=limits[4], MaxPressCold=limits[5],
                    SurfaceSize=0 if geo["kind"] == "plate" else round(geo["do"] * 1000),
                    SurfaceArea=rec["AreaUnit"],
                    Volume1=round(v1, 3), Volume2=round(v2, 3), Weight=round(weight, 1),
                    Connections=[dict(group=i, **c)
                                 for i, c in enumerate(connections(geo, kind, limits)) if any(c.values())],
                    Media=media(code, geo, letter),
                    Dimensions=[dict(name=n, value=v) for n, v in dims],
                    Standard=(letter == "A")))
    return out


# --- Writers -----------------------------------------------------------------------------------

def num(x):
    """Shortest text that reads back as the same double."""
    x = float(x)
    return repr(int(x)) if x == int(x) and abs(x) < 1e15 else repr(x)


def sizes_csv(types):
    buf = io.StringIO()
    buf.write(",".join(["Type", "Id", "Name"] + g.FIELDS) + "\n")
    for code, sizes in types:
        for name, rec in sizes:
            buf.write(",".join([code, str(rec["Id"]), name] + [num(rec[f]) for f in g.FIELDS]) + "\n")
    return buf.getvalue()


LIMIT_FIELDS = ["MaxTempHot", "MaxTempCold", "MinTempHot", "MinTempCold", "MaxPressHot", "MaxPressCold"]


def limits_csv(tech):
    buf = io.StringIO()
    buf.write(",".join(["Name"] + LIMIT_FIELDS) + "\n")
    for r in tech:
        buf.write(",".join([r["Name"]] + [num(r[f]) for f in LIMIT_FIELDS]) + "\n")
    return buf.getvalue()


def diameters_csv():
    buf = io.StringIO()
    buf.write("Id,Name,InnerDiameter_mm,Area\n")
    for i, (dn, d_mm) in enumerate(g.PIPE_DN, 1):
        buf.write(f"{i},{dn},{num(d_mm)},{num(g.dn_area(dn))}\n")
    return buf.getvalue()


def outputs():
    types = g.all_types()
    tech = tech_records(types)
    return {
        "sizes.csv": sizes_csv(types),
        "limits.csv": limits_csv(tech),
        "diameters.csv": diameters_csv(),
        "techdata.json": "[\n" + ",\n".join(json.dumps(r, ensure_ascii=False) for r in tech) + "\n]\n",
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed files instead of writing them")
    args = parser.parse_args()
    stale = []
    for fname, text in outputs().items():
        path = os.path.join(OUT, fname)
        if args.check:
            try:
                with open(path, encoding="utf-8", newline="") as f:
                    if f.read() != text:
                        stale.append(fname)
            except FileNotFoundError:
                stale.append(fname)
        else:
            os.makedirs(OUT, exist_ok=True)
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write(text)
    if stale:
        print("out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
