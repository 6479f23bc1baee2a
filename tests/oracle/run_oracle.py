#!/usr/bin/env python3
"""Compares `bazi-seek query --json` with the reference evaluator on random form states.

Usage: run_oracle.py BAZI_SEEK [--count N] [--seed S] [--keep-going] [--max-report K]

Each form state is written to a temporary file and queried; the result is
compared field by field with oracle.expected_result. A mismatching state is
shrunk to the fewest controls that still disagree and printed. The exit status
is 1 when any state disagrees, 0 otherwise.
"""

import argparse
import datetime as dt
import json
import os
import random
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import oracle as O  # noqa: E402

FIELDS = ["conditions", "matches", "status", "summary", "message", "page", "rows"]


class Runner:
    def __init__(self, exe, tmpdir):
        self.exe = exe
        self.tmpdir = tmpdir
        self.chart_cache = {}
        self.queries = 0

    def charts(self, date):
        if date not in self.chart_cache:
            self.chart_cache[date] = O.fetch_charts(self.exe, date)
        return self.chart_cache[date]

    def query(self, state):
        path = os.path.join(self.tmpdir, "form.json")
        with open(path, "w", encoding="utf-8") as f:
            json.dump({"date": state.date.isoformat(), "controls": state.controls}, f,
                      ensure_ascii=False)
        self.queries += 1
        p = subprocess.run([self.exe, "query", path, "--json"], capture_output=True, text=True)
        return p.returncode, p.stdout, p.stderr


def differences(expected, rc, out, err):
    """List of human-readable differences; empty when the engine agrees."""
    if rc != 0:
        return ["exit status %d: %s" % (rc, err.strip())]
    try:
        got = json.loads(out)
    except ValueError as e:
        return ["output is not JSON (%s): %r" % (e, out[:200])]
    diffs = []
    if list(got.keys()) != FIELDS:
        diffs.append("keys %s, expected %s" % (list(got.keys()), FIELDS))
    for k in FIELDS[:-1]:
        if got.get(k) != expected[k]:
            diffs.append("%s: engine %r, oracle %r" % (k, got.get(k), expected[k]))
    grows = got.get("rows", [])
    gm = {r.get("moment"): r for r in grows}
    em = {r["moment"]: r for r in expected["rows"]}
    for m in sorted(set(gm) | set(em), reverse=True):
        if m not in em:
            diffs.append("row %s %s: engine lists it, oracle does not" % (m, gm[m].get("chart")))
        elif m not in gm:
            diffs.append("row %s %s: oracle lists it, engine does not" % (m, em[m]["chart"]))
        elif gm[m] != em[m]:
            diffs.append("row %s: engine %r, oracle %r" % (m, gm[m], em[m]))
    if not diffs and grows != expected["rows"]:
        diffs.append("rows in a different order: %s" % [r.get("moment") for r in grows])
    return diffs


def check(runner, state):
    expected = O.expected_result(state, runner.charts(state.date))
    return differences(expected, *runner.query(state))


def shrink(runner, state):
    """Drops controls one at a time while the engine and the oracle still disagree."""
    controls = dict(state.controls)
    changed = True
    while changed:
        changed = False
        for k in list(controls):
            trial = dict(controls)
            del trial[k]
            if check(runner, O.FormState(state.date, trial)):
                controls = trial
                changed = True
    return O.FormState(state.date, controls)


# ------------------------------------------------------------------ generator

GROUP_WEIGHTS = [3, 3, 2, 2, 2, 3, 3, 2]


def random_date(rng):
    r = rng.random()
    if r < 0.03:
        return rng.choice([O.FIRST_DATE, O.LAST_DATE, dt.date(1901, 2, 22), dt.date(2048, 12, 30)])
    if r < 0.10:
        # around 立春 and the first days of a solar month, where pillars change
        y = rng.randint(1902, 2048)
        return dt.date(y, rng.choice([2, 3, 5, 8, 11, 12]), rng.randint(3, 9))
    span = (O.LAST_DATE - O.FIRST_DATE).days
    return O.FIRST_DATE + dt.timedelta(days=rng.randint(0, span))


def count_items_for(rng, items, c):
    """A count item that holds for c, picked at random."""
    ok = [it for it in items if O.count_rule_holds(it, c)]
    return rng.choice(ok)


def guided_fact(group, v, val, p, tables, female):
    """The count the row's first candidate has in the chart, to pick a count item that holds."""
    t = tables
    if group == "elementChart":
        e = val if v >= 2 else (t.elem[p] if 1 <= p <= 8 else rng_choice_first(O.ELEMENTS))
        return O.count_of(t.stem_elems() + t.branch_elems(), e)
    if group == "elementHidden":
        e = val if v >= 2 else (t.pillar_slots(p, "elem")[0] if p else "金")
        return O.count_of(t.slot_elems(), e)
    if group == "stem":
        s = val if v >= 2 else (t.chars[2 * p - 1] if p else "甲")
        return O.count_of(t.stems(), s)
    if group == "branch":
        b = val if v >= 2 else (t.chars[2 * p] if p else "子")
        return O.count_of(t.branches(), b)
    if group == "hiddenStem":
        s = val if v >= 2 else (t.pillar_slots(p, "char")[0] if p else "甲")
        return O.count_of(t.slot_chars(), s)
    if group == "tenGodChart":
        cells = [None, 1, 2, 3, 4, 6, 7, 8]
        g = val if v >= 2 else (t.god[cells[p]] if 1 <= p <= 7 else "正印")
        return O.count_of([t.god[k] for k in (1, 3, 7, 2, 4, 6, 8)], g)
    if group == "tenGodHidden":
        g = val if v >= 2 else (t.god[2 * p - 1] if p else "正印")
        return O.count_of(t.slot_gods(), g)
    if group == "spiritStar":
        return len(O.star_pillars(val, t, female))
    raise ValueError(group)


def rng_choice_first(seq):
    return seq[0]


def guided_value(rng, group, p, tables, female):
    """A value (index) that stands at position p of the chart, or any when p = 0."""
    t = tables
    lst = O.ITEM_LISTS[O.GROUP_BY_NAME[group]["values"]]
    if p == 0:
        return rng.randrange(2, len(lst)) if group != "spiritStar" else rng.randrange(1, len(lst))
    if group == "elementChart":
        val = t.elem[p] if p <= 8 else rng.choice(t.stem_elems() if p == 9 else t.branch_elems())
    elif group == "elementHidden":
        val = rng.choice([e for e in t.pillar_slots(p, "elem") if e])
    elif group == "stem":
        val = t.chars[2 * p - 1]
    elif group == "branch":
        val = t.chars[2 * p]
    elif group == "hiddenStem":
        val = rng.choice([s for s in t.pillar_slots(p, "char") if s])
    elif group == "tenGodChart":
        cells = [None, 1, 2, 3, 4, 6, 7, 8]
        if p <= 7:
            val = t.god[cells[p]]
        else:
            val = rng.choice([t.god[k] for k in ((1, 3, 7) if p == 8 else (2, 4, 6, 8))])
    elif group == "tenGodHidden":
        val = rng.choice([g for g in t.pillar_slots(p, "god") if g])
    else:
        stars = [s for s in O.SPIRIT_STARS if p in O.star_pillars(s, t, female)]
        val = rng.choice(stars) if stars else rng.choice(O.SPIRIT_STARS)
    return lst.index(val)


def as_combo(rng, name, index):
    """A combo value as its index or, now and then, as its item text."""
    if rng.random() < 0.25:
        return O.COMBOS[name][index]
    return index


def random_state(rng, runner):
    date = random_date(rng)
    charts = runner.charts(date)
    moments = list(charts.values())
    controls = {}
    swap = rng.random() < 0.3
    female = rng.random() < 0.3
    if swap or rng.random() < 0.1:
        controls[O.SWAP_BOX] = swap
    if female or rng.random() < 0.1:
        controls[O.FEMALE_BOX] = female
    r = rng.random()
    nrows = 0 if r < 0.02 else (rng.randint(5, 16) if r < 0.12 else rng.randint(1, 4))
    used = set()
    groups = [g["name"] for g in O.GROUPS]
    for _ in range(nrows):
        group = rng.choices(groups, GROUP_WEIGHTS)[0]
        spec = O.GROUP_BY_NAME[group]
        row = rng.randint(1, spec["rows"])
        if (group, row) in used:
            continue
        used.add((group, row))
        c = O.row_controls(group, row)
        values = O.ITEM_LISTS[spec["values"]]
        positions = O.ITEM_LISTS[spec["positions"]]
        counts = O.ITEM_LISTS[spec["counts"]]
        pillars, _ = rng.choice(moments)
        tables = O.Tables(pillars, swap)
        guided = rng.random() < 0.6
        p = 0 if rng.random() < 0.4 else rng.randrange(1, len(positions))
        if group != "spiritStar" and rng.random() < 0.35:
            v = 1
        elif guided:
            v = guided_value(rng, group, p, tables, female)
        else:
            v = rng.randrange(1 if group == "spiritStar" else 2, len(values))
        if guided and not (v == 1 and group in ("elementChart", "tenGodChart")
                           and p >= len(positions) - 2):
            fact = guided_fact(group, v, values[v], p, tables, female)
            k = counts.index(count_items_for(rng, counts, fact))
        else:
            k = rng.randrange(len(counts))
        controls[c["value"]] = as_combo(rng, c["value"], v)
        if p or rng.random() < 0.3:
            controls[c["position"]] = as_combo(rng, c["position"], p)
        if k or rng.random() < 0.3:
            controls[c["count"]] = as_combo(rng, c["count"], k)
        if "radios" in c:
            x = rng.random()
            if x < 0.05:
                controls[c["radios"][0]] = False   # nothing checked: the row fails
            elif x < 0.45:
                controls[c["radios"][rng.randrange(1, 5)]] = True
            elif x < 0.5:
                controls[c["radios"][0]] = True
            elif x < 0.55:
                controls[c["radios"][rng.randrange(1, 5)]] = False  # leaves 无限制 checked
        elif "check" in c and rng.random() < 0.4:
            controls[c["check"]] = True
    # Controls of an unused row: ignored by the query.
    if rng.random() < 0.15:
        group = rng.choice(groups)
        spec = O.GROUP_BY_NAME[group]
        row = rng.randint(1, spec["rows"])
        if (group, row) not in used:
            c = O.row_controls(group, row)
            controls[c["value"]] = 0
            controls[c["position"]] = rng.randrange(len(O.ITEM_LISTS[spec["positions"]]))
            controls[c["count"]] = rng.randrange(1, len(O.ITEM_LISTS[spec["counts"]]))
    return O.FormState(date, controls)


# ------------------------------------------------------------------ fixed checks

def check_refused_dates(runner):
    """Reference dates outside the covered range are refused with status 2."""
    problems = []
    for d in ["1800-01-02", "2201-01-01", "1799-12-31"]:
        p = subprocess.run([runner.exe, "query", "--date", d, "--set", "组合框_支1=子", "--json"],
                           capture_output=True, text=True)
        if p.returncode != 2 or p.stdout.strip():
            problems.append("date %s: exit %d, stdout %r (expected refusal, status 2)"
                            % (d, p.returncode, p.stdout[:100]))
    return problems


def ordinal(ch):
    if len(ch) == 1 and ch in O.STEMS:
        return O.STEMS.index(ch) + 1
    if len(ch) == 1 and ch in O.BRANCHES:
        return O.BRANCHES.index(ch) + 1
    return 0


def table_problems(o, t, swap):
    """The chart tables `bazi-seek chart --tables` prints agree with the reference ones."""
    problems = []
    got = [(c["character"], c["element"], c["tenGod"], c["ordinal"])
           for c in o["tables"]["cells"] + o["tables"]["hiddenStems"]]
    want = [(t.chars[k], t.elem[k], t.god[k], ordinal(t.chars[k])) for k in range(1, 9)]
    want += [(t.slot[k], t.slot_elem[k], t.slot_god[k], ordinal(t.slot[k])) for k in range(1, 13)]
    for k, (g, w) in enumerate(zip(got, want)):
        if g != w:
            problems.append("chart tables %s %s%s, %s %d: %s, expected %s" % (
                o["moment"], " ".join(o["pillars"]), " swapped" if swap else "",
                "cell" if k < 8 else "slot", k + 1 if k < 8 else k - 7, g, w))
    if len(got) != 20:
        problems.append("chart tables %s: %d cells and slots" % (o["moment"], len(got)))
    return problems


def check_chart_stars(runner, date, female=False, swap=False):
    """The stars and chart tables `bazi-seek chart` prints agree with the reference ones."""
    problems = []
    names = ["年柱", "月柱", "日柱", "时柱"]
    moms = O.window(date)
    cmd = [runner.exe, "chart", moms[-1].strftime("%Y-%m-%d %H:%M"), "--to",
           moms[0].strftime("%Y-%m-%d %H:%M"), "--step-hours", "2", "--json", "--tables"]
    if female:
        cmd.append("--female")
    if swap:
        cmd.append("--swap")
    out = subprocess.run(cmd, capture_output=True, text=True, check=True).stdout
    for line in out.splitlines():
        o = json.loads(line)
        t = O.Tables(o["pillars"], swap)
        problems += table_problems(o, t, swap)
        for k, n in enumerate(names):
            want = [s for s in O.SPIRIT_STARS if k + 1 in O.star_pillars(s, t, female)]
            if o["stars"][n] != want:
                problems.append("chart %s %s%s %s: stars %s, expected %s" % (
                    o["moment"], " ".join(o["pillars"]), " female" if female else "", n,
                    o["stars"][n], want))
    return problems


def sweep_states(rng):
    """One-row states over every value, position and count item of every group."""
    for g in O.GROUPS:
        nv = len(O.ITEM_LISTS[g["values"]])
        npos = len(O.ITEM_LISTS[g["positions"]])
        nc = len(O.ITEM_LISTS[g["counts"]])
        for v in range(1, nv):
            for p in range(npos):
                for k in range(nc):
                    row = rng.randint(1, g["rows"])
                    c = O.row_controls(g["name"], row)
                    controls = {c["value"]: v, c["position"]: p, c["count"]: k}
                    if "radios" in c:
                        opt = rng.randrange(6)
                        if opt == 5:
                            controls[c["radios"][0]] = False
                        else:
                            controls[c["radios"][opt]] = True
                    elif "check" in c:
                        controls[c["check"]] = rng.random() < 0.5
                    controls[O.SWAP_BOX] = rng.random() < 0.3
                    controls[O.FEMALE_BOX] = rng.random() < 0.3
                    yield O.FormState(random_date(rng), controls)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("exe")
    ap.add_argument("--count", type=int, default=300)
    ap.add_argument("--seed", type=int, default=20261209)
    ap.add_argument("--max-report", type=int, default=20)
    ap.add_argument("--sweep", action="store_true",
                    help="one-row states over every item of every group instead of random ones")
    args = ap.parse_args()

    rng = random.Random(args.seed)
    failures = 0
    with tempfile.TemporaryDirectory(prefix="bazi-oracle-") as tmp:
        runner = Runner(os.path.abspath(args.exe), tmp)
        for p in check_refused_dates(runner):
            print("MISMATCH", p)
            failures += 1
        matched_states = 0
        total_rows = 0
        states = sweep_states(rng) if args.sweep else (
            random_state(rng, runner) for _ in range(args.count))
        count = 0
        for i, state in enumerate(states):
            count += 1
            if i % 10 == 0:
                for p in check_chart_stars(runner, state.date, female=(i % 20 == 0),
                                           swap=(i % 30 == 0)):
                    failures += 1
                    if failures <= args.max_report:
                        print("MISMATCH", p)
            diffs = check(runner, state)
            exp = O.expected_result(state, runner.charts(state.date))
            total_rows += exp["matches"]
            matched_states += exp["matches"] > 0
            if diffs:
                failures += 1
                if failures <= args.max_report:
                    small = shrink(runner, state)
                    print("MISMATCH state #%d" % i)
                    print("  minimal form state:", json.dumps(
                        {"date": small.date.isoformat(), "controls": small.controls},
                        ensure_ascii=False))
                    for d in check(runner, small)[:6]:
                        print("   ", d)
        print("oracle: %d form states (%d with matches, %d matching moments), %d mismatches, "
              "%d queries run" % (count, matched_states, total_rows, failures,
                                  runner.queries))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
