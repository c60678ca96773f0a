#!/usr/bin/env python3
"""Writes the bundled sample year files 2009.csv .. 2012.csv.

The data are made up but plausible for one cyclist who also runs: more and
longer rides in summer, a few races, heart rate, power and cadence that fit
the effort. The output is fully determined by the year, so running this
again reproduces the committed files byte for byte.
"""
import math
import random
from pathlib import Path

TITLES = "Datum;Zeit;Dauer;Strecke;Arbeit;Höhe;TSS;HF;Leistung;Kadenz"
UNITS = "-;-;[h];[km];[kcal];[m];-;[1/min];[W];[1/min]"
# The f-th number names the 1-based column of kind f: 2 duration, 3 distance,
# 5 heart rate, 6 cadence, 10 TSS, 12 climb, 14 power, 16 energy, 17 the
# empty column that takes Power/HR.
KINDS = "Kind;0;1;2;0;6;8;0;0;0;5;0;4;0;7;0;3;9"


def is_leap(year):
    return year % 4 == 0


def season(day_of_year):
    """0 in midwinter, 1 in midsummer."""
    return 0.5 - 0.5 * math.cos(2 * math.pi * (day_of_year - 15) / 365)


def workout(rng, year, day_of_year):
    s = season(day_of_year)
    hours = max(0.4, rng.gauss(1.0 + 1.8 * s, 0.6))
    if rng.random() < 0.04:
        hours += 2.5  # a long ride or a race
    seconds = int(hours * 3600) // 60 * 60
    speed = rng.gauss(24 + 6 * s, 2.5)
    distance = seconds / 3600 * speed
    power = max(90, rng.gauss(165 + 35 * s, 22))
    energy = power * seconds / 1000 * 1.05
    climb = max(0, rng.gauss(distance * (7 + 6 * s), 80))
    heart_rate = max(95, rng.gauss(118 + power / 5.5, 6))
    cadence = max(60, rng.gauss(88, 4))
    intensity = power / 250
    tss = seconds / 3600 * intensity * intensity * 100
    start = f"{rng.choice([6, 7, 12, 17, 18]):02d}:{rng.choice([0, 15, 30, 45]):02d}"
    h, rest = divmod(seconds, 3600)
    duration = f"{h:02d}:{rest // 60:02d}:{rest % 60:02d}"
    return (start, duration, distance, energy, climb, tss, heart_rate, power, cadence, seconds)


def month_day(year, day_of_year):
    lengths = [31, 29 if is_leap(year) else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
    month = 0
    while day_of_year > lengths[month]:
        day_of_year -= lengths[month]
        month += 1
    return month + 1, day_of_year


def year_file(year):
    rng = random.Random(year * 7919)
    days = 366 if is_leap(year) else 365
    rows = []
    totals = [0.0] * 5
    for day in range(1, days + 1):
        chance = 0.35 + 0.45 * season(day) + 0.05 * (year - 2009)
        if rng.random() >= chance:
            continue
        count = 2 if rng.random() < 0.06 else 1
        month, dom = month_day(year, day)
        for _ in range(count):
            start, duration, dist, energy, climb, tss, hr, power, cad, seconds = workout(rng, year, day)
            fields = [f"{dist:.3f}", f"{energy:.1f}", f"{climb:.0f}", f"{tss:.1f}"]
            rows.append(f"{year}{month:02d}{dom:02d};{start};{duration};{';'.join(fields)};"
                        f"{hr:.0f};{power:.0f};{cad:.0f};")
            # the totals add the values as written, so they can be checked exactly
            for i, v in enumerate([seconds / 3600] + [float(f) for f in fields]):
                totals[i] += v
    trailer = [
        f"{year}0000;#;end of workout rows; trailer lines start with YYYY0000 (day 0) and are no workouts",
        f"{year}0000;#;sample data made by samples/generate.py;workouts={len(rows)}",
        f"{year}0000;#;totals;Dauer={totals[0]:.4f}h;Strecke={totals[1]:.3f}km;Arbeit={totals[2]:.1f}kcal;"
        f"Hoehe={totals[3]:.1f}m;TSS={totals[4]:.1f}",
    ]
    lines = [TITLES, UNITS, KINDS] + rows + trailer
    return ("\r\n".join(lines) + "\r\n").encode("utf-8"), len(rows)


def main():
    here = Path(__file__).resolve().parent
    for year in range(2009, 2013):
        data, count = year_file(year)
        (here / f"{year}.csv").write_bytes(data)
        print(f"{year}.csv: {count} workouts, {len(data)} bytes")


if __name__ == "__main__":
    main()
