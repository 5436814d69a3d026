#!/usr/bin/python3
"""Computes the text sources of the delivered fluid database in data/fluids/:

  liquids.csv              the liquid list (key, name, water-solution flag, concentration)
  liquid_rows_water.csv    Water on four isobars (IAPWS-IF97 + IAPWS transport releases)
  liquid_rows_glycols.csv  ethylene / propylene glycol, pure and 20-50 % solutions
  liquid_rows_oil.csv      Thermal oil VG32
  vapors.csv               the vapor list (Saturated steam, condensing to Water)
  vapor_rows_steam.csv     saturated steam, 5-300 deg.C
  steam_factors.csv        the condensing-coefficient factors f1..f4 against temperature

Run with Debian's /usr/bin/python3 and python3-iapws. `--check` compares instead of writing and
exits with 1 when a committed file differs from what the generators produce now."""

import argparse
import pathlib
import sys

import csvtext
import glycols
import oil
import steam_factors
import water

LIQUID_ROW_HEADER = ("key", "t_degC", "p_kPa", "density_kg_m3", "cp_kJ_kgK", "conductivity_W_mK",
                     "viscosity_Pa_s")

# The only vapor: saturated steam, condensing to the liquid "Water" (key 1). Molar mass and
# critical point from IAPWS-IF97.
VAPORS = [(str(water.STEAM_KEY), str(water.WATER_KEY), "Saturated steam", 18.015, 373.946, 22064.0)]


def sources():
    """File name -> text of every source."""
    entries = [(water.WATER_KEY, "Water", False, 0)]
    glycol_entries, glycol_rows = glycols.liquids(first_key=2)
    entries += glycol_entries
    oil_entry, oil_rows = oil.liquid(key=len(entries) + 1)
    entries.append(oil_entry)
    for name in (e[1] for e in entries):
        if "," in name:
            raise ValueError(f"fluid name with a comma: {name}")
    return {
        "liquids.csv": csvtext.table(
            ("key", "name", "solution", "concentration_pct"),
            [(str(k), n, "1" if s else "0", c) for k, n, s, c in entries]),
        "liquid_rows_water.csv": csvtext.table(LIQUID_ROW_HEADER, water.liquid_rows()),
        "liquid_rows_glycols.csv": csvtext.table(LIQUID_ROW_HEADER, glycol_rows),
        "liquid_rows_oil.csv": csvtext.table(LIQUID_ROW_HEADER, oil_rows),
        "vapors.csv": csvtext.table(
            ("key", "condensate_key", "name", "molar_mass_kg_kmol", "tc_degC", "pc_kPa"), VAPORS),
        "vapor_rows_steam.csv": csvtext.table(
            ("key", "t_degC", "psat_kPa", "latent_heat_kJ_kg", "cp_kJ_kgK", "conductivity_W_mK",
             "viscosity_Pa_s"), water.steam_rows()),
        "steam_factors.csv": csvtext.table(("row", "t_degC", "f1", "f2", "f3", "f4"),
                                           steam_factors.rows()),
    }


def main():
    repo = pathlib.Path(__file__).resolve().parents[3]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=repo / "data" / "fluids")
    parser.add_argument("--check", action="store_true", help="compare with the files instead")
    args = parser.parse_args()
    differing = []
    for name, text in sources().items():
        path = args.out / name
        if args.check:
            if not path.exists() or path.read_text(encoding="utf-8") != text:
                differing.append(name)
        else:
            path.write_text(text, encoding="utf-8")
    if differing:
        print("out of date: " + ", ".join(differing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
