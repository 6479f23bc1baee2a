#!/usr/bin/env python3
"""Reference evaluator of a bazi-seek query, written apart from the C++ engine.

Given a form state (reference date plus condition controls) and the pillars
and lunar text of the 36 moments of its window, it computes the result that
`bazi-seek query FILE --json` must print. The traditional tables (elements,
hidden stems, ten-god relations, spirit stars) and every group's three checks
are implemented here from their definitions, with Python's standard library
only. The pillars themselves come from `bazi-seek chart`, which is checked
against the calendar elsewhere.
"""

import datetime as dt
import json
import subprocess

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
ELEMENTS = ["金", "水", "木", "火", "土"]
TEN_GODS = ["正印", "偏印", "正官", "偏官", "正财", "偏财", "伤官", "食神", "比肩", "劫财"]
SPIRIT_STARS = ["天乙贵人", "天德贵人", "月德贵人", "天医", "咸池", "驿马", "将星", "华盖",
                "童子", "元辰", "指背", "卷舌", "空亡"]

FIRST_DATE = dt.date(1800, 1, 3)
LAST_DATE = dt.date(2200, 12, 31)
# Lunar dates before this one are reckoned by today's rules, not the almanac
# as issued; query rows say so with "reckoned": true.
FIRST_ISSUED_LUNAR_DATE = dt.date(1912, 1, 1)

# ---------------------------------------------------------------- item lists

ITEM_LISTS = {
    "elementValue": ["-", "不指定"] + ELEMENTS,
    "stemValue": ["-", "不指定"] + list(STEMS),
    "branchValue": ["-", "不指定"] + list(BRANCHES),
    "tenGodValue": ["-", "不指定"] + TEN_GODS,
    "spiritStarValue": ["-"] + SPIRIT_STARS,
    "pillarPosition": ["不固定", "年柱", "月柱", "日柱", "时柱"],
    "eightSlotPosition": ["不固定", "年干", "年支", "月干", "月支", "日干", "日支", "时干", "时支",
                          "天干", "地支"],
    "tenGodSlotPosition": ["不固定", "年干", "年支", "月干", "月支", "日支", "时干", "时支", "天干",
                           "地支"],
    "stemPosition": ["不固定", "年干", "月干", "日干", "时干"],
    "branchPosition": ["不固定", "年支", "月支", "日支", "时支"],
    "count0to4": [str(n) for n in range(5)] + ["非%d" % n for n in range(5)]
    + [">=%d" % n for n in range(0, 4)] + ["<=%d" % n for n in range(4, 0, -1)],
    "count0to8": [str(n) for n in range(9)] + ["非%d" % n for n in range(9)]
    + [">=%d" % n for n in range(2, 7)] + ["<=%d" % n for n in range(7, 0, -1)],
    "count0to7": [str(n) for n in range(8)] + ["非%d" % n for n in range(8)]
    + [">=%d" % n for n in range(1, 7)] + ["<=%d" % n for n in range(7, 0, -1)],
    "count0to6": [str(n) for n in range(7)] + ["非%d" % n for n in range(7)]
    + [">=%d" % n for n in range(0, 6)] + ["<=%d" % n for n in range(6, 0, -1)],
}
assert len(ITEM_LISTS["count0to4"]) == 18
assert len(ITEM_LISTS["count0to8"]) == 30
assert len(ITEM_LISTS["count0to7"]) == 29
assert len(ITEM_LISTS["count0to6"]) == 26

# ------------------------------------------------------------- group layout

# name, rows, value/position/count name stems, lists, reveal kind, check box stem
GROUPS = [
    dict(name="elementChart", rows=5, value="组合框_行", position="组合框_位置行",
         count="组合框_行数量", values="elementValue", positions="eightSlotPosition",
         counts="count0to8", reveal="radio"),
    dict(name="elementHidden", rows=5, value="组合框_行0", position="组合框_位置行0",
         count="组合框_行数量0", values="elementValue", positions="pillarPosition",
         counts="count0to4", reveal="check", check="选择框_行透0"),
    dict(name="stem", rows=4, value="组合框_干", position="组合框_位置干", count="组合框_干数量",
         values="stemValue", positions="stemPosition", counts="count0to4", reveal="check",
         check="选择框_干藏"),
    dict(name="branch", rows=4, value="组合框_支", position="组合框_位置支", count="组合框_支数量",
         values="branchValue", positions="branchPosition", counts="count0to4", reveal="none"),
    dict(name="hiddenStem", rows=4, value="组合框_藏", position="组合框_位置藏",
         count="组合框_藏数量", values="stemValue", positions="pillarPosition",
         counts="count0to4", reveal="check", check="选择框_干天"),
    dict(name="tenGodChart", rows=7, value="组合框_神", position="组合框_位置神",
         count="组合框_神数量", values="tenGodValue", positions="tenGodSlotPosition",
         counts="count0to7", reveal="radio"),
    dict(name="tenGodHidden", rows=7, value="组合框_神0", position="组合框_位置神0",
         count="组合框_神数量0", values="tenGodValue", positions="pillarPosition",
         counts="count0to4", reveal="check", check="选择框_干透0"),
    dict(name="spiritStar", rows=12, value="组合框_神煞", position="组合框_位置神煞",
         count="组合框_神煞数", values="spiritStarValue", positions="pillarPosition",
         counts="count0to6", reveal="none"),
]
GROUP_BY_NAME = {g["name"]: g for g in GROUPS}

SWAP_BOX = "选择框1"
FEMALE_BOX = "选择框_女命"


def radio_names(group, row):
    """Radio boxes of a row in the order 无限制, 透干, 虚浮, 通根, 不透."""
    if group == "elementChart":
        if row == 1:
            nums = [1, 2, 3, 5, 4]
        else:
            nums = [5 * row, 5 * row - 1, 5 * row - 2, 5 * row - 3, 5 * row - 4]
    else:
        nums = [25 + 5 * row, 24 + 5 * row, 23 + 5 * row, 22 + 5 * row, 21 + 5 * row]
    return ["单选框%d" % n for n in nums]


def row_controls(group, row):
    g = GROUP_BY_NAME[group]
    c = dict(value="%s%d" % (g["value"], row), position="%s%d" % (g["position"], row),
             count="%s%d" % (g["count"], row))
    if g["reveal"] == "check":
        c["check"] = "%s%d" % (g["check"], row)
    elif g["reveal"] == "radio":
        c["radios"] = radio_names(group, row)
    return c


def combo_lists():
    """Every combo box name with its item list."""
    out = {}
    for g in GROUPS:
        for r in range(1, g["rows"] + 1):
            c = row_controls(g["name"], r)
            out[c["value"]] = ITEM_LISTS[g["values"]]
            out[c["position"]] = ITEM_LISTS[g["positions"]]
            out[c["count"]] = ITEM_LISTS[g["counts"]]
    return out


COMBOS = combo_lists()

# ---------------------------------------------------------------- library


def element_of(ch):
    if len(ch) == 1 and ch in STEMS:
        return "木火土金水"[STEMS.index(ch) // 2]
    if len(ch) == 1 and ch in BRANCHES:
        return {"寅": "木", "卯": "木", "巳": "火", "午": "火", "申": "金", "酉": "金",
                "亥": "水", "子": "水"}.get(ch, "土")
    return ""


HIDDEN = {"子": "癸", "丑": "己癸辛", "寅": "甲丙戊", "卯": "乙", "辰": "戊乙癸", "巳": "丙庚戊",
          "午": "丁己", "未": "己丁乙", "申": "庚壬戊", "酉": "辛", "戌": "戊辛丁", "亥": "壬甲"}

GENERATES = {"木": "火", "火": "土", "土": "金", "金": "水", "水": "木"}
CONTROLS = {"木": "土", "土": "水", "水": "火", "火": "金", "金": "木"}


def is_yang(ch, flag):
    if ch in STEMS:
        return STEMS.index(ch) % 2 == 0
    yang = BRANCHES.index(ch) % 2 == 0
    if flag == 0 and ch in "亥子巳午":
        yang = not yang
    return yang


def ten_god(day, ch, flag):
    if not (len(day) == 1 and day in STEMS and len(ch) == 1 and (ch in STEMS or ch in BRANCHES)):
        return ""
    de, xe = element_of(day), element_of(ch)
    same = is_yang(day, flag) == is_yang(ch, flag)
    if de == xe:
        return "比肩" if same else "劫财"
    if GENERATES[de] == xe:
        return "食神" if same else "伤官"
    if CONTROLS[de] == xe:
        return "偏财" if same else "正财"
    if CONTROLS[xe] == de:
        return "偏官" if same else "正官"
    assert GENERATES[xe] == de
    return "偏印" if same else "正印"


def count_of(names, sought):
    """How many of the names equal the sought one; an empty sought name counts 0."""
    if sought == "":
        return 0
    return sum(1 for n in names if n == sought)

# ---------------------------------------------------------------- chart tables


class Tables:
    """The eight characters and twelve hidden-stem slots of one chart."""

    def __init__(self, pillars, swapped):
        flag = 0 if swapped else 1
        chars = "".join(pillars)
        assert len(chars) == 8, pillars
        self.chars = [None] + list(chars)          # 1-based
        day = chars[4]
        self.elem = [None] + [element_of(c) for c in chars]
        self.god = [None] + [ten_god(day, c, flag) for c in chars]
        slots = []
        for b in chars[1::2]:
            h = list(HIDDEN[b])
            slots += h + [""] * (3 - len(h))
        self.slot = [None] + slots
        self.slot_elem = [None] + [element_of(s) for s in slots]
        self.slot_god = [None] + [ten_god(day, s, flag) for s in slots]

    def stems(self):
        return [self.chars[k] for k in (1, 3, 5, 7)]

    def branches(self):
        return [self.chars[k] for k in (2, 4, 6, 8)]

    def stem_elems(self):
        return [self.elem[k] for k in (1, 3, 5, 7)]

    def branch_elems(self):
        return [self.elem[k] for k in (2, 4, 6, 8)]

    def slot_chars(self):
        return self.slot[1:]

    def slot_elems(self):
        return self.slot_elem[1:]

    def slot_gods(self):
        return self.slot_god[1:]

    def pillar_slots(self, p, field):
        arr = {"char": self.slot, "elem": self.slot_elem, "god": self.slot_god}[field]
        return [arr[3 * (p - 1) + j] for j in (1, 2, 3)]

# ---------------------------------------------------------------- count rule


def count_rule_holds(item, c):
    if item.startswith("非"):
        return c != int(item[1:])
    if item.startswith(">="):
        return c >= int(item[2:])
    if item.startswith("<="):
        return c <= int(item[2:])
    return c == int(item)

# ---------------------------------------------------------------- spirit stars

TRIAD = {}  # branch -> index of its three-harmony frame: 申子辰 0, 巳酉丑 1, 寅午戌 2, 亥卯未 3
for i, frame in enumerate(["申子辰", "巳酉丑", "寅午戌", "亥卯未"]):
    for b in frame:
        TRIAD[b] = i
FRAME_STARS = {"咸池": "酉午卯子", "驿马": "寅亥申巳", "将星": "子酉午卯", "华盖": "辰丑戌未",
               "指背": "申巳寅亥"}
TIANYI = {"甲": "丑未", "戊": "丑未", "庚": "丑未", "乙": "子申", "己": "子申", "丙": "亥酉",
          "丁": "亥酉", "辛": "寅午", "壬": "卯巳", "癸": "卯巳"}
TIANDE = {"寅": "丁", "卯": "申", "辰": "壬", "巳": "辛", "午": "亥", "未": "甲", "申": "癸",
          "酉": "寅", "戌": "丙", "亥": "乙", "子": "巳", "丑": "庚"}
YUEDE = {"寅": "丙", "午": "丙", "戌": "丙", "申": "壬", "子": "壬", "辰": "壬", "亥": "甲",
         "卯": "甲", "未": "甲", "巳": "庚", "酉": "庚", "丑": "庚"}
NAYIN = ["金", "火", "木", "土", "金", "火", "水", "土", "金", "木", "水", "土", "火", "木", "水",
         "金", "火", "木", "土", "金", "火", "水", "土", "金", "木", "水", "土", "火", "木", "水"]
YUANCHEN_MALE = dict(zip("子丑寅卯辰巳午未申酉戌亥", "未午酉申亥戌丑子卯寅巳辰"))
YUANCHEN_FEMALE = dict(zip("子丑寅卯辰巳午未申酉戌亥", "巳申未戌酉子亥寅丑辰卯午"))


def cycle_index(stem, branch):
    """0-based position in the sixty cycle (甲子 = 0)."""
    s, b = STEMS.index(stem), BRANCHES.index(branch)
    for k in range(60):
        if k % 10 == s and k % 12 == b:
            return k
    raise ValueError(stem + branch)


def star_pillars(star, tables, female):
    """Set of pillars 1..4 (year, month, day, hour) at which the star stands."""
    st = tables.stems()
    br = tables.branches()
    ys, ms, ds, hs = st
    yb, mb, db, hb = br
    at = set()
    if star == "天乙贵人":
        for k in range(4):
            if br[k] in TIANYI[ds]:
                at.add(k + 1)
    elif star == "天德贵人":
        v = TIANDE[mb]
        for k in range(4):
            if v in STEMS and st[k] == v:
                at.add(k + 1)
            if v in BRANCHES and k != 1 and br[k] == v:
                at.add(k + 1)
    elif star == "月德贵人":
        for k in range(4):
            if st[k] == YUEDE[mb]:
                at.add(k + 1)
    elif star == "天医":
        v = BRANCHES[(BRANCHES.index(mb) - 1) % 12]
        for k in (0, 2, 3):
            if br[k] == v:
                at.add(k + 1)
    elif star in FRAME_STARS:
        for ref in (0, 2):
            v = FRAME_STARS[star][TRIAD[br[ref]]]
            for k in range(4):
                if k != ref and br[k] == v:
                    at.add(k + 1)
    elif star == "童子":
        hits = set()
        if mb in "寅卯辰申酉戌":
            hits |= set("寅子")
        else:
            hits |= set("卯未辰")
        ny = NAYIN[cycle_index(ys, yb) // 2]
        hits |= set({"金": "午卯", "木": "午卯", "水": "酉戌", "火": "酉戌", "土": "辰巳"}[ny])
        for k in (2, 3):
            if br[k] in hits:
                at.add(k + 1)
    elif star == "元辰":
        v = (YUANCHEN_FEMALE if female else YUANCHEN_MALE)[yb]
        for k in (1, 2, 3):
            if br[k] == v:
                at.add(k + 1)
    elif star == "卷舌":
        v = BRANCHES[(BRANCHES.index(yb) - 3) % 12]
        for k in (1, 2, 3):
            if br[k] == v:
                at.add(k + 1)
    elif star == "空亡":
        s, b = STEMS.index(ds), BRANCHES.index(db)
        void = {BRANCHES[(b - s + 10) % 12], BRANCHES[(b - s + 11) % 12]}
        for k in (0, 1, 3):
            if br[k] in void:
                at.add(k + 1)
    else:
        raise ValueError(star)
    return at

# ---------------------------------------------------------------- form state


class FormState:
    """Control values of a form state: combo indexes and box states."""

    def __init__(self, date, controls):
        self.date = date
        self.controls = dict(controls)

    def index(self, name):
        v = self.controls.get(name, 0)
        if isinstance(v, str):
            return COMBOS[name].index(v)
        return v

    def text(self, name):
        return COMBOS[name][self.index(name)]

    def checked(self, name):
        return bool(self.controls.get(name, False))

    def radio_option(self, names):
        """Index 0..4 of the checked radio box of a set, or None when none is."""
        for k, n in enumerate(names):
            if self.controls.get(n) is True:
                return k
        if self.controls.get(names[0]) is False:
            return None
        return 0

# ---------------------------------------------------------------- group checks


class RowEval:
    """Evaluates one set row against one chart."""

    def __init__(self, state, tables, female):
        self.s = state
        self.t = tables
        self.female = female

    def row(self, group, r):
        c = row_controls(group, r)
        v = self.s.index(c["value"])
        if v == 0:
            return None
        p = self.s.index(c["position"])
        item = self.s.text(c["count"])
        val = self.s.text(c["value"])
        return getattr(self, "_" + group)(v, val, p, item, c)

    # Candidate loop shared by the groups: first candidate whose count meets the
    # rule wins; an empty candidate (an unfilled hidden-stem slot) is skipped.
    @staticmethod
    def _first(cands, count_fn, item):
        for cand in cands:
            if cand == "":
                continue
            tally = count_fn(cand)
            if count_rule_holds(item, tally[0]):
                return cand, tally
        return None, None

    def _elementChart(self, v, val, p, item, c):
        t = self.t
        if v == 1:
            if p > 8:
                return False
        elif p == 0:
            pass
        elif p <= 8:
            if t.elem[p] != val:
                return False
        elif p == 9:
            if count_of(t.stem_elems(), val) == 0:
                return False
        else:
            if count_of(t.branch_elems(), val) == 0:
                return False
        if v >= 2:
            cands = [val]
        elif p == 0:
            cands = ELEMENTS
        else:
            cands = [t.elem[p]]

        def fn(e):
            a = count_of(t.stem_elems(), e)
            b = count_of(t.branch_elems(), e)
            h = count_of(t.slot_elems(), e)
            return (a + b, a, b, h)
        cand, tally = self._first(cands, fn, item)
        if cand is None:
            return False
        opt = self.s.radio_option(c["radios"])
        _, a, _, h = tally
        return {None: False, 0: True, 1: a != 0, 2: h == 0, 3: h != 0, 4: a == 0}[opt]

    def _elementHidden(self, v, val, p, item, c):
        t = self.t
        if v >= 2 and p != 0 and val not in t.pillar_slots(p, "elem"):
            return False
        if v >= 2:
            cands = [val]
        elif p == 0:
            cands = ELEMENTS
        else:
            cands = t.pillar_slots(p, "elem")
        cand, _ = self._first(cands, lambda e: (count_of(t.slot_elems(), e),), item)
        if cand is None:
            return False
        if self.s.checked(c["check"]):
            return count_of(t.stem_elems(), cand) == 0
        return True

    def _stem(self, v, val, p, item, c):
        t = self.t
        if v >= 2 and p != 0 and t.chars[2 * p - 1] != val:
            return False
        if v >= 2:
            cands = [val]
        elif p == 0:
            cands = list(STEMS)
        else:
            cands = [t.chars[2 * p - 1]]
        cand, _ = self._first(cands, lambda s: (count_of(t.stems(), s),), item)
        if cand is None:
            return False
        if self.s.checked(c["check"]):
            return count_of(t.slot_chars(), cand) == 0
        return True

    def _branch(self, v, val, p, item, c):
        t = self.t
        if v >= 2 and p != 0 and t.chars[2 * p] != val:
            return False
        if v >= 2:
            cands = [val]
        elif p == 0:
            cands = list(BRANCHES)
        else:
            cands = [t.chars[2 * p]]
        cand, _ = self._first(cands, lambda b: (count_of(t.branches(), b),), item)
        return cand is not None

    def _hiddenStem(self, v, val, p, item, c):
        t = self.t
        if v >= 2 and p != 0 and val not in t.pillar_slots(p, "char"):
            return False
        if v >= 2:
            cands = [val]
        elif p == 0:
            cands = list(STEMS)
        else:
            cands = t.pillar_slots(p, "char")
        cand, _ = self._first(cands, lambda s: (count_of(t.slot_chars(), s),), item)
        if cand is None:
            return False
        if self.s.checked(c["check"]):
            return count_of(t.stems(), cand) == 0
        return True

    PLACE_CELLS = [None, 1, 2, 3, 4, 6, 7, 8]  # ten-god slot position 1..7 -> chart cell

    def _tenGodChart(self, v, val, p, item, c):
        t = self.t
        stem_gods = [t.god[k] for k in (1, 3, 7)]
        branch_gods = [t.god[k] for k in (2, 4, 6, 8)]
        if v == 1:
            if p > 8:
                return False
        elif p == 0:
            pass
        elif p <= 7:
            if t.god[self.PLACE_CELLS[p]] != val:
                return False
        elif p == 8:
            if count_of(stem_gods, val) == 0:
                return False
        else:
            if count_of(branch_gods, val) == 0:
                return False
        if v >= 2:
            cands = [val]
        elif p == 0:
            cands = TEN_GODS
        elif p <= 7:
            cands = [t.god[self.PLACE_CELLS[p]]]
        elif p == 8:
            cands = [t.god[k] for k in (1, 3, 5, 7)]
        else:
            cands = branch_gods

        def fn(g):
            a = count_of(stem_gods, g)
            b = count_of(branch_gods, g)
            h = count_of(t.slot_gods(), g)
            return (a + b, a, b, h)
        cand, tally = self._first(cands, fn, item)
        if cand is None:
            return False
        opt = self.s.radio_option(c["radios"])
        _, a, _, h = tally
        return {None: False, 0: True, 1: a != 0, 2: h == 0, 3: h != 0, 4: a == 0}[opt]

    def _tenGodHidden(self, v, val, p, item, c):
        t = self.t
        if v >= 2 and p != 0 and val not in t.pillar_slots(p, "god"):
            return False
        if v >= 2:
            cands = [val]
        elif p == 0:
            cands = TEN_GODS
        else:
            cands = [t.god[2 * p - 1]]
        cand, _ = self._first(cands, lambda g: (count_of(t.slot_gods(), g),), item)
        if cand is None:
            return False
        if self.s.checked(c["check"]):
            return count_of([t.god[k] for k in (1, 3, 5, 7)], cand) == 0
        return True

    def _spiritStar(self, v, val, p, item, c):
        at = star_pillars(val, self.t, self.female)
        if p != 0 and p not in at:
            return False
        return count_rule_holds(item, len(at))

# ---------------------------------------------------------------- query


def window(date):
    """The 36 moments of a reference date, newest first."""
    base = dt.datetime(date.year, date.month, date.day, 22)
    return [base + dt.timedelta(hours=2 - 2 * slot) for slot in range(1, 37)]


def date_time_text(m):
    s = "%d年%d月%d日" % (m.year, m.month, m.day)
    if m.second:
        s += "%d时%d分%d秒" % (m.hour, m.minute, m.second)
    elif m.minute:
        s += "%d时%d分" % (m.hour, m.minute)
    elif m.hour:
        s += "%d时" % m.hour
    return s


def fetch_charts(exe, date):
    """Pillars and lunar text of the window's moments, keyed by moment text."""
    moms = window(date)
    start, end = moms[-1], moms[0]
    out = subprocess.run([exe, "chart", start.strftime("%Y-%m-%d %H:%M"), "--to",
                          end.strftime("%Y-%m-%d %H:%M"), "--step-hours", "2", "--json"],
                         capture_output=True, text=True, check=True).stdout
    charts = {}
    for line in out.splitlines():
        if line.strip():
            o = json.loads(line)
            charts[o["moment"]] = (o["pillars"], o["lunarText"])
    return charts


def set_row_count(state):
    n = 0
    for g in GROUPS:
        for r in range(1, g["rows"] + 1):
            if state.index(row_controls(g["name"], r)["value"]) != 0:
                n += 1
    return n


def moment_matches(state, pillars):
    tables = Tables(pillars, state.checked(SWAP_BOX))
    ev = RowEval(state, tables, state.checked(FEMALE_BOX))
    for g in GROUPS:
        for r in range(1, g["rows"] + 1):
            res = ev.row(g["name"], r)
            if res is False:
                return False
    return True


def expected_result(state, charts):
    """The JSON object `bazi-seek query --json` must print for the state."""
    n = set_row_count(state)
    rows = []
    if n > 0:
        for m in window(state.date):
            key = m.strftime("%Y-%m-%dT%H:%M:%S")
            pillars, lunar = charts[key]
            if moment_matches(state, pillars):
                row = {"moment": key, "gregorian": date_time_text(m), "lunar": lunar}
                if m.date() < FIRST_ISSUED_LUNAR_DATE:
                    row["reckoned"] = True  # the lunar date is the astronomical reckoning
                row["chart"] = " ".join(pillars)
                rows.append(row)
    k = len(rows)
    if n == 0:
        message, page = "未设置条件！", None
    elif k > 0:
        message, page = None, "查询结果"
    else:
        message, page = "指定时间内没有找到符合条件的八字或条件冲突！", None
    return {"conditions": n, "matches": k, "status": "查询列表完毕！",
            "summary": "条件数：%d  符合数：%d" % (n, k), "message": message, "page": page,
            "rows": rows}


def in_range(date):
    return FIRST_DATE <= date <= LAST_DATE
