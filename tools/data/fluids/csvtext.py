"""Shared text form of the fluid sources: plain CSV with a header line, reals written with nine
significant digits so that re-running a generator reproduces the committed text exactly."""


def num(value):
    """Shortest general text of `value` with at most nine significant digits ("-5", "998.205486")."""
    text = f"{value:.9g}"
    return "0" if text == "-0" else text


def table(header, rows):
    """CSV text of `rows` (sequences of str or float) under `header`, with a final newline."""
    lines = [",".join(header)]
    for row in rows:
        lines.append(",".join(cell if isinstance(cell, str) else num(cell) for cell in row))
    return "\n".join(lines) + "\n"
