#!/usr/bin/python3
"""Compares the generator's month starts and new moons with the PyEphem
reference (tests/data/lunar_months.txt): per era, how many month starts differ
and the worst difference of the new moon's moment, and the new moons closest
to midnight on the calendar's clock.

Run:   generate_lunar_months data/solar_terms data/lunar_months /dev/null --months /tmp/months.txt
       /usr/bin/python3 tests/data/compare_lunar_months.py /tmp/months.txt
"""
import bisect
import datetime
import os
import sys

BEIJING_LAG = datetime.timedelta(minutes=14, seconds=20)
ERAS = [(1798, 1850), (1851, 1900), (1901, 1950), (1951, 2000), (2001, 2049),
        (2050, 2100), (2101, 2150), (2151, 2201)]


def read(path):
    rows = []
    for line in open(path):
        if line.startswith('#') or not line.strip():
            continue
        rows.append(line.split())
    return rows


def main():
    generated = read(sys.argv[1])
    reference = read(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'lunar_months.txt'))
    ref_start = {(r[0], r[1], r[2]): r[3] for r in reference}
    ref_moons = sorted(datetime.datetime.fromisoformat(r[3] + 'T' + r[4]) for r in reference)

    print('era        months  other start  worst new-moon difference s (generated - PyEphem)  mean s')
    for first, last in ERAS:
        count = differ = 0
        deltas = []
        for g in generated:
            moment = datetime.datetime.fromisoformat(g[3] + 'T' + g[4])
            if g[5] != 'UTC+8':
                moment += BEIJING_LAG  # back to UTC+8, the reference's clock
            if not first <= moment.year <= last:
                continue
            key = (g[0], g[1], g[2])
            if key in ref_start:
                count += 1
                differ += ref_start[key] != g[3]
            i = bisect.bisect_left(ref_moons, moment - datetime.timedelta(hours=12))
            if i < len(ref_moons) and abs((ref_moons[i] - moment).total_seconds()) < 3600:
                deltas.append((moment - ref_moons[i]).total_seconds())
        worst = max(deltas, key=abs)
        print('%d-%d  %6d  %11d  %+44.0f  %+6.1f' % (first, last, count, differ, worst,
                                                     sum(deltas) / len(deltas)))

    near = []
    for g in generated:
        h, m, s = map(int, g[4].split(':'))
        seconds = h * 3600 + m * 60 + s
        near.append((min(seconds, 86400 - seconds), g))
    near.sort()
    print('new moons closest to midnight on the calendar\'s clock:')
    for seconds, g in near[:8]:
        print('  %s %s %s  (lunar %s-%s%s)' % (g[3], g[4], g[5], g[0], g[1], ' leap' if g[2] == '1' else ''))


if __name__ == '__main__':
    main()
