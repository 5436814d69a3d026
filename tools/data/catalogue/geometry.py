"""Size series of the 30 exchanger types and the 87 record values derived from each size's geometry.

Every size is a dict with the record fields (base units: m, m2, pressure-drop coefficients giving
kPa) plus a "geo" dict of the geometry the technical data need (volumes, weights, nozzles).
"""
import math

import correlations as cr

TYPE_ORDER = ["M", "GT", "GV", "ND", "T", "TD", "TW", "TWD", "RUV", "RUV D", "RUV W", "RUV WD",
              "E12", "E57", "PF10", "PF10-2", "PF20", "PF20-2", "PF30", "PF30-2", "PG25", "PG25-2",
              "PG40", "PG40-2", "PH90", "PH90-2", "PG55", "PG55-2", "PH150", "PH150-2"]

# Nominal pipe sizes: name -> internal diameter in mm (stainless pipe, schedule 10S).
PIPE_DN = [("DN10", 13.84), ("DN15", 17.08), ("DN20", 22.48), ("DN25", 27.86), ("DN32", 36.66),
           ("DN40", 42.76), ("DN50", 54.76), ("DN65", 66.90), ("DN80", 82.80), ("DN100", 108.20),
           ("DN125", 134.50), ("DN150", 161.48), ("DN200", 211.58), ("DN250", 264.62),
           ("DN300", 314.66)]


def dn_area(dn):
    """Flow cross-section of a nominal pipe size, m2."""
    d = dict(PIPE_DN)[dn] / 1000.0
    return math.pi * d * d / 4.0


# The record's 87 values in file order.
FIELDS = (["Aux1", "DhTube", "Wall", "DhShell", "Aux2", "Aux3", "FlowAreaTube", "FlowAreaShell",
           "ConnAreaTube", "ConnAreaShell"]
          + [f"ReDp{s}{r}" for r in (1, 2, 3) for s in ("Tube", "Shell")]
          + ["DpFactorTube", "DpFactorShell"]
          + [f"DpK{s}{r}" for r in (1, 2, 3, 4) for s in ("Tube", "Shell")]
          + [f"DpExp{s}{r}" for r in (1, 2, 3, 4) for s in ("Tube", "Shell")]
          + ["ZetaTube", "ZetaShell", "DpArea", "Aux4"]
          + [f"Ht{c}{s}{r}" for r in (1, 2, 3, 4, 5) for s in ("Tube", "Shell") for c in "ABCD"]
          + [f"ReHt{s}{r}" for s in ("Tube", "Shell") for r in (1, 2, 3, 4)]
          + ["AreaUnit"])
assert len(FIELDS) == 87


def put_side(rec, side, dp_limits, friction, ht_limits, heat, ht_d):
    """Stores one side's range limits, (k, n) friction pairs and (a, b, C) heat triples."""
    for i, lim in enumerate(dp_limits, 1):
        rec[f"ReDp{side}{i}"] = lim
    for i, (k, n) in enumerate(friction, 1):
        rec[f"DpK{side}{i}"] = k
        rec[f"DpExp{side}{i}"] = n
    for i, lim in enumerate(ht_limits, 1):
        rec[f"ReHt{side}{i}"] = lim
    for i, (a, b, c) in enumerate(heat, 1):
        rec[f"HtA{side}{i}"] = a
        rec[f"HtB{side}{i}"] = b
        rec[f"HtC{side}{i}"] = c
        rec[f"HtD{side}{i}"] = ht_d


# --- Plates ------------------------------------------------------------------------------------

PLATE_TYPES = {  # W m, L m, b m, port m, plate counts
    "PF10": (0.072, 0.17, 0.0020, 0.024, [10, 14, 20, 24, 30, 40, 50, 60]),
    "PF20": (0.092, 0.27, 0.0020, 0.030, [10, 14, 20, 24, 30, 40, 50, 60, 70, 80, 100]),
    "PF30": (0.105, 0.44, 0.0022, 0.040, [10, 14, 20, 30, 40, 50, 60, 80, 100, 120]),
    "PG25": (0.180, 0.30, 0.0022, 0.045, [10, 20, 30, 40, 50, 60, 80, 100]),
    "PG40": (0.200, 0.46, 0.0022, 0.055, [20, 30, 40, 50, 60, 80, 100, 120, 150]),
    "PG55": (0.230, 0.60, 0.0024, 0.065, [20, 30, 40, 50, 60, 80, 100, 120, 150, 200]),
    "PH90": (0.300, 0.70, 0.0024, 0.080, [30, 40, 50, 60, 80, 100, 120, 150, 200]),
    "PH150": (0.400, 0.90, 0.0025, 0.100, [50, 60, 80, 100, 120, 150, 200, 250]),
    "E12": (0.220, 0.48, 0.0030, 0.065, [11, 21, 31, 41, 51, 61, 81, 101]),
    "E57": (0.450, 1.10, 0.0030, 0.150, [21, 31, 41, 61, 81, 101, 141, 181, 221]),
}
CHEVRON_DEG = 60.0
_plate_cache = {}


def plate_coefficients():
    """Friction and heat fits of the chevron channel, common to every plate size and side."""
    if not _plate_cache:
        _plate_cache["friction"] = cr.fit_friction(lambda r: cr.martin_xi(r, CHEVRON_DEG),
                                                   (200.0, 2000.0, 1e4))
        _plate_cache["heat"] = cr.fit_heat_pure(lambda r: cr.martin_nu_over_pr(r, CHEVRON_DEG),
                                                (50.0, 200.0, 1000.0, 5000.0), 1.0 / 3.0)
    return _plate_cache["friction"], _plate_cache["heat"]


def plate_size(code, plates):
    base = code.split("-")[0]
    passes = 2 if code.endswith("-2") else 1
    width, length, gap, port, _ = PLATE_TYPES[base]
    gasketed = base.startswith("E")
    phi = 1.15 if gasketed else 1.17
    thickness = 0.0005 if gasketed else 0.0004
    channels = plates - 1
    tube_ch = (channels + 1) // 2
    shell_ch = channels // 2
    dh = 2.0 * gap / phi
    area_t = tube_ch / passes * gap * width
    area_s = shell_ch / passes * gap * width
    conn = math.pi * port * port / 4.0
    g = passes * length / (2.0 * dh)
    rec = dict(Aux1=plates, DhTube=dh, Wall=thickness, DhShell=dh, Aux2=length, Aux3=passes,
               Aux4=passes, FlowAreaTube=area_t, FlowAreaShell=area_s, ConnAreaTube=conn,
               ConnAreaShell=conn, DpArea=area_t,
               DpFactorTube=g * (area_t / area_t) ** 2 / 1000.0,
               DpFactorShell=g * (area_t / area_s) ** 2 / 1000.0,
               ZetaTube=1.5 * passes / 1000.0, ZetaShell=1.5 * passes / 1000.0,
               AreaUnit=(plates - 2) * phi * width * length)
    friction, heat = plate_coefficients()
    for side in ("Tube", "Shell"):
        put_side(rec, side, (200.0, 2000.0, 1e4), friction, (50.0, 200.0, 1000.0, 5000.0), heat,
                 1.0 / 6.0)
    name = f"{base}-2-{plates}" if passes == 2 else f"{base}-{plates}"
    rec["geo"] = dict(kind="plate", base=base, passes=passes, plates=plates, width=width,
                      length=length, gap=gap, port=port, thickness=thickness,
                      tube_channels=tube_ch, shell_channels=shell_ch, gasketed=gasketed)
    return name, rec


# --- Shell-and-tube ----------------------------------------------------------------------------

ST_NOZZLE = {0.10: "DN40", 0.15: "DN50", 0.20: "DN65", 0.25: "DN80", 0.30: "DN100", 0.40: "DN125",
             0.50: "DN150", 0.60: "DN200"}
ST_TYPES = {  # do, tw, pitch, sizes as (Ds cm, L mm, passes)
    "M": (0.012, 0.001, 0.016, [(10, 1000, 2), (10, 1500, 2), (15, 1500, 4), (15, 2000, 4),
                                (20, 2000, 4), (20, 3000, 4), (25, 2000, 6), (25, 3000, 6),
                                (30, 3000, 2), (30, 3000, 6), (40, 3000, 2), (40, 4000, 4),
                                (40, 4000, 8)]),
    "GV": (0.016, 0.001, 0.020, [(20, 2000, 4), (25, 3000, 4), (30, 3000, 4), (40, 3000, 4),
                                 (40, 4000, 4), (50, 4000, 4), (60, 4000, 4)]),
    "GT": (0.016, 0.001, 0.020, [(15, 1000, 2), (15, 1500, 2), (20, 1500, 2), (20, 2000, 2),
                                 (25, 2000, 2), (30, 2000, 2), (30, 3000, 2), (40, 3000, 2)]),
}
TUBE_DP_LIMITS = (2300.0, 1e5, 1e6)
TUBE_HT_LIMITS = (2300.0, 6000.0, 1e4, 1e5)
BANK_DP_LIMITS = (100.0, 1000.0, 1e4)
BANK_HT_LIMITS = (100.0, 1000.0, 1e4, 1e5)


def tube_side(rec, di, passes, path_length):
    """Tube-side coefficients of a plain tube: laminar, Blasius and Filonenko friction,
    Sieder-Tate below 2300 and Gnielinski above."""
    filo = cr.fit_friction(cr.filonenko, (10.0, 1e5, 1e6))[2:]  # the 1e5-1e6 and >1e6 fits
    friction = [(64.0, 1.0), (0.3164, 0.25)] + filo
    edges = [2300.0, 6000.0, 1e4, 1e5, 1e6]
    turb = cr.fit_heat_re_pr(lambda r, pr: cr.gnielinski(r, pr, di / path_length),
                             list(zip(edges[:-1], edges[1:])))
    heat = [(1.0 / 3.0, 1.0 / 3.0, 1.86 * (di / path_length) ** (1.0 / 3.0))] + turb
    put_side(rec, "Tube", TUBE_DP_LIMITS, friction, TUBE_HT_LIMITS, heat, 0.11)
    rec["HtDTube1"] = 0.14  # Sieder-Tate's viscosity exponent


def bank_side(rec, side, bank, pitch_ratio, j_factor):
    """Shell-side coefficients of an ideal tube bank with the bundle correction j_factor."""
    friction = cr.fit_friction(lambda r: cr.bank_f(bank, r, pitch_ratio), BANK_DP_LIMITS)
    heat = cr.fit_heat_pure(lambda r: j_factor * cr.bank_j(bank, r, pitch_ratio) * r,
                            BANK_HT_LIMITS, 1.0 / 3.0)
    put_side(rec, side, BANK_DP_LIMITS, friction, BANK_HT_LIMITS, heat, 0.14)


def st_size(code, ds_cm, length_mm, passes):
    do, tw, pitch, _ = ST_TYPES[code]
    di = do - 2.0 * tw
    ds = ds_cm / 100.0
    length = length_mm / 1000.0
    baffle = length / 2.0 if code == "GT" else 0.5 * ds
    tubes = math.floor(0.78 * (ds - 0.012) ** 2 / (0.866 * pitch ** 2) * (0.93 if passes > 1 else 1.0))
    tubes -= tubes % passes
    nozzle = ST_NOZZLE[ds]
    conn = dn_area(nozzle)
    area_t = tubes / passes * math.pi * di * di / 4.0
    area_s = ds * baffle * (pitch - do) / pitch
    rows = ds * (1.0 - 2.0 * 0.25) / (0.866 * pitch)
    baffles = round(length / baffle) - 1
    r_corr = 0.6
    rec = dict(Aux1=tubes, Aux2=length, Aux3=passes, Aux4=1, DhTube=di, DhShell=do, Wall=tw,
               FlowAreaTube=area_t, FlowAreaShell=area_s, ConnAreaTube=conn, ConnAreaShell=conn,
               DpArea=area_t, AreaUnit=tubes * math.pi * do * length,
               DpFactorTube=passes * length / (2000.0 * di),
               DpFactorShell=2.0 * r_corr * rows * (baffles + 1) * (area_t / area_s) ** 2 / 1000.0,
               ZetaTube=(1.5 + (2.0 * passes - 1.5) * (conn / area_t) ** 2) / 1000.0,
               ZetaShell=1.5 / 1000.0)
    tube_side(rec, di, passes, passes * length)
    bank_side(rec, "Shell", cr.BANK_30, pitch / do, 0.6)
    name = f"{code} {ds_cm}.{length_mm}" + (f"-{passes}" if code == "M" else "")
    rec["geo"] = dict(kind="st", ds=ds, length=length, do=do, tw=tw, di=di, tubes=tubes,
                      passes=passes, nozzle=nozzle)
    return name, rec


# --- Shell-and-coil ------------------------------------------------------------------------------

COIL_SIZES = [(16, 480), (21, 480), (21, 640), (26, 480), (26, 640), (26, 960), (32, 960),
              (40, 960), (40, 1200), (50, 1200), (50, 1600), (60, 1600), (60, 2000)]
COIL_TYPES = {  # do, tw, layers, start length m, steam series, sizes
    "ND": (0.022, 0.0015, 1, 8.0, True, [(11, 250), (11, 400), (16, 320), (16, 480), (21, 480),
                                          (21, 640), (26, 640), (26, 960), (32, 960), (32, 1200)]),
    "T": (0.018, 0.0015, 1, 20.0, False, COIL_SIZES),
    "TD": (0.018, 0.0015, 2, 20.0, False, COIL_SIZES),
    "TW": (0.028, 0.0015, 1, 12.0, True, COIL_SIZES[1:]),
    "TWD": (0.028, 0.0015, 2, 12.0, True, COIL_SIZES[1:]),
    "RUV": (0.020, 0.0015, 2, 24.0, False, COIL_SIZES),
    "RUV D": (0.020, 0.0015, 4, 24.0, False, COIL_SIZES[3:]),
    "RUV W": (0.025, 0.0015, 2, 12.0, True, COIL_SIZES[1:]),
    "RUV WD": (0.025, 0.0015, 4, 12.0, True, COIL_SIZES[3:]),
}
# Sizes built for condensing steam: short parallel starts keep the vapour mass flux moderate.
STEAM_RATED = {"RUV 26.480": 4.0, "RUV D 26.480": 4.0}


def coil_nozzle(ds, steam):
    if steam:
        table = [(0.20, "DN32"), (0.25, "DN40"), (0.30, "DN50"), (0.35, "DN65"), (0.45, "DN80")]
    else:
        table = [(0.15, "DN25"), (0.20, "DN32"), (0.25, "DN40"), (0.30, "DN50"), (0.40, "DN65"),
                 (0.50, "DN80")]
    for limit, dn in table:
        if ds < limit - 1e-12:
            return dn
    return "DN100"


def coil_size(code, ds_cm, length_mm):
    do, tw, layers, start, steam, _ = COIL_TYPES[code]
    name = f"{code} {ds_cm}.{length_mm}"
    start = STEAM_RATED.get(name, start)
    di = do - 2.0 * tw
    ds = ds_cm / 100.0
    length = length_mm / 1000.0
    pitch = do + 0.004
    dc = ds - 0.012 - layers * do - 0.004 * (layers - 1)
    rows = math.floor((length - 0.05) / pitch + 1e-9)
    total = rows * math.pi * dc * layers
    starts = max(1, round(total / start))
    turns = rows * layers / starts
    l_coil = turns * math.sqrt((math.pi * dc) ** 2 + (starts * pitch / layers) ** 2)
    nozzle = coil_nozzle(ds, steam)
    conn = dn_area(nozzle)
    area_t = starts * math.pi * di * di / 4.0
    area_s = math.pi * dc * (0.004 + layers * do * (pitch - do) / pitch)
    crossed = turns * starts / layers
    r_corr = 0.8
    rec = dict(Aux1=turns, Aux2=l_coil, Aux3=starts, Aux4=1, DhTube=di, DhShell=do, Wall=tw,
               FlowAreaTube=area_t, FlowAreaShell=area_s, ConnAreaTube=conn, ConnAreaShell=conn,
               DpArea=area_t, AreaUnit=starts * math.pi * do * l_coil,
               DpFactorTube=l_coil / (2000.0 * di),
               DpFactorShell=2.0 * r_corr * crossed * (area_t / area_s) ** 2 / 1000.0,
               ZetaTube=1.5 / 1000.0, ZetaShell=1.5 / 1000.0)
    dd = di / dc
    crit = cr.schmidt_re_crit(dd)
    friction = cr.fit_friction(lambda r: cr.schmidt_f(r, dd), (1000.0, crit, 2.2e4))
    heat = cr.fit_heat_fixed_pr(lambda r, pr: cr.schmidt_nu(r, pr, dd), (1000.0, crit, 2.2e4, 1e5),
                                1.0 / 3.0)
    put_side(rec, "Tube", (1000.0, crit, 2.2e4), friction, (1000.0, crit, 2.2e4, 1e5), heat, 0.14)
    bank_side(rec, "Shell", cr.BANK_90, pitch / do, r_corr)
    core = max(0.0, dc - layers * do - 0.004 * (layers - 1) - 0.004)
    rec["geo"] = dict(kind="coil", ds=ds, length=length, do=do, tw=tw, di=di, layers=layers,
                      starts=starts, l_coil=l_coil, core=core, nozzle=nozzle, steam=steam)
    return name, rec


def all_types():
    """[(type code, [(size name, record)])] in the fixed type order."""
    out = []
    for code in TYPE_ORDER:
        sizes = []
        if code in ST_TYPES:
            sizes = [st_size(code, *s) for s in ST_TYPES[code][3]]
        elif code in COIL_TYPES:
            sizes = [coil_size(code, *s) for s in COIL_TYPES[code][5]]
        else:
            base = code.split("-")[0]
            counts = PLATE_TYPES[base][4]
            if code.endswith("-2"):
                counts = [n for n in counts if n >= 20]
            sizes = [plate_size(code, n) for n in counts]
        for i, (_, rec) in enumerate(sizes, 1):
            rec["Id"] = i
        out.append((code, sizes))
    return out
