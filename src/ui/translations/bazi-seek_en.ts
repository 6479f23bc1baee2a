<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>bazi::ui::Application</name>
    <message>
        <source>按八字条件找时间：设好日期和条件，列出合条件的时辰。</source>
        <translation>Search time by the four-pillar chart (八字): set a date and conditions, and list the two-hour moments whose chart meets them.</translation>
    </message>
    <message>
        <source>界面语言：zh_CN（简体中文）、zh_TW（繁體中文）或 en（English）</source>
        <translation>Language of the window: zh_CN (简体中文), zh_TW (繁體中文) or en (English)</translation>
    </message>
    <message>
        <source>打开的条件文件（与 bazi-seek query 读的 JSON 相同）</source>
        <translation>Conditions file to open (the JSON that bazi-seek query reads)</translation>
    </message>
    <message>
        <source>未知的语言“%1”：请用 zh_CN、zh_TW 或 en</source>
        <translation>unknown language &quot;%1&quot;: use zh_CN, zh_TW or en</translation>
    </message>
    <message>
        <source>只能打开一个条件文件</source>
        <translation>only one conditions file can be opened</translation>
    </message>
    <message>
        <source>用 bazi-seek-gui --help 查看用法。</source>
        <translation>Run bazi-seek-gui --help for the usage.</translation>
    </message>
</context>
<context>
    <name>bazi::ui::CalendarGrid</name>
    <message>
        <source>每格一个时辰：绿色越深，符合的部分越多；灰色不在允许的时段内</source>
        <translation>One cell per two-hour block (时辰): the greener, the more of it matches; grey is outside the allowed hours</translation>
    </message>
    <message>
        <source>每行一周，格中数字为符合的时段数；点一行看其中各日</source>
        <translation>One line per week; a cell counts the matching spans; click a line for its days</translation>
    </message>
    <message>
        <source>每行一月，格中数字为符合的时段数；点一行看其中各日</source>
        <translation>One line per month; a cell counts the matching spans; click a line for its days</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>日历</source>
        <translation>Calendar</translation>
    </message>
</context>
<context>
    <name>bazi::ui::CalendarGridModel</name>
    <message>
        <source>时</source>
        <translation> hour</translation>
    </message>
    <message>
        <source>%1：不在允许的时段内</source>
        <translation>%1: outside the allowed hours</translation>
    </message>
    <message>
        <source>%1：符合 %2%（%3 个时段）</source>
        <translation>%1: %2% matches (%3 spans)</translation>
    </message>
    <message>
        <source>yyyy-MM-dd ddd</source>
        <translation>yyyy-MM-dd ddd</translation>
    </message>
    <message>
        <source>%1 起一周</source>
        <translation>week of %1</translation>
    </message>
    <message>
        <source>yyyy年M月</source>
        <translation>MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>bazi::ui::Captions</name>
    <message>
        <source>无限制</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>透干</source>
        <translation>透干</translation>
    </message>
    <message>
        <source>虚浮</source>
        <translation>虚浮</translation>
    </message>
    <message>
        <source>通根</source>
        <translation>通根</translation>
    </message>
    <message>
        <source>不透</source>
        <translation>不透</translation>
    </message>
    <message>
        <source>藏干无</source>
        <translation>藏干无</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ChartLookupPage</name>
    <message>
        <source>不详</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>请至少选一柱</source>
        <translation>Choose at least one pillar</translation>
    </message>
    <message>
        <source>结束日期早于开始日期</source>
        <translation>The end date is before the start date</translation>
    </message>
    <message>
        <source>查找中…</source>
        <translation>Looking up…</translation>
    </message>
    <message>
        <source>八字反查：%1（%2 个时段）</source>
        <translation>Chart lookup (八字反查): %1 (%2 spans)</translation>
    </message>
    <message>
        <source>%1：%2 个时段，表中列出前 %3 个</source>
        <translation>%1: %2 spans; the table lists the first %3</translation>
    </message>
    <message>
        <source>%1：%2 个时段</source>
        <translation>%1: %2 spans</translation>
    </message>
    <message>
        <source>%1 在整个日历（%2 至 %3）中都不出现</source>
        <translation>%1 does not occur anywhere in the calendar (%2 to %3)</translation>
    </message>
    <message>
        <source>%1 不出现在所选范围内</source>
        <translation>%1 does not occur in the chosen range</translation>
    </message>
    <message>
        <source>，在整个日历中也不出现</source>
        <translation>, nor anywhere else in the calendar</translation>
    </message>
    <message>
        <source>；之前最近：%1</source>
        <translation>; nearest before: %1</translation>
    </message>
    <message>
        <source>；之后最近：%1</source>
        <translation>; nearest after: %1</translation>
    </message>
    <message>
        <source>年柱：</source>
        <translation>Year 年柱:</translation>
    </message>
    <message>
        <source>月柱：</source>
        <translation>Month 月柱:</translation>
    </message>
    <message>
        <source>日柱：</source>
        <translation>Day 日柱:</translation>
    </message>
    <message>
        <source>时柱：</source>
        <translation>Hour 时柱:</translation>
    </message>
    <message>
        <source>只列出能在所选年柱之下的月柱（五虎遁：年干定月干）</source>
        <translation>Only the month pillars that can stand in the chosen year (五虎遁: the year stem fixes the month stem)</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Look up</translation>
    </message>
    <message>
        <source>列出有这个八字的所有时段，精确到秒；“不详”的柱不限</source>
        <translation>List every span with this chart, exact to the second; an &quot;Unknown&quot; pillar may be any</translation>
    </message>
    <message>
        <source>限定范围：</source>
        <translation>Only from:</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>有这个八字的时段</source>
        <translation>Spans with this chart</translation>
    </message>
    <message>
        <source>所选日期在这个时区的钟表上落在日历范围之外</source>
        <translation>On the clock of this zone the dates chosen fall outside the calendar</translation>
    </message>
    <message>
        <source>时间基准：%1</source>
        <translation>Time basis: %1</translation>
    </message>
    <message>
        <source>只列出能在所选日柱之下的时柱（五鼠遁：日干定时干）；晚子时算当日时，另有次日的子时柱（23 时至 24 时）</source>
        <translation>Only the hour pillars that can stand on the chosen day (五鼠遁: the day stem fixes the hour stem); with the late 子 hour counted to the same day, also the next day&apos;s 子 hour pillar (23:00 to 24:00)</translation>
    </message>
    <message>
        <source>结果已过时：时间设置已改动，请重新查找</source>
        <translation>Results out of date: the time settings changed; look up again</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ChartSheet</name>
    <message>
        <source>（不在节气表的范围内）</source>
        <translation>(outside the solar-term table)</translation>
    </message>
    <message>
        <source>时</source>
        <translation> hour</translation>
    </message>
    <message>
        <source>%1 的八字</source>
        <translation>Chart (八字) of %1</translation>
    </message>
    <message>
        <source>公历</source>
        <translation>Gregorian</translation>
    </message>
    <message>
        <source>农历</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>%1年%2%3</source>
        <translation>lunar %2%3 of %1</translation>
    </message>
    <message>
        <source>八字</source>
        <translation>Chart 八字</translation>
    </message>
    <message>
        <source>当前节气</source>
        <translation>Solar term in force</translation>
    </message>
    <message>
        <source>下一节气</source>
        <translation>Next solar term</translation>
    </message>
    <message>
        <source>五行（八字）</source>
        <translation>Elements (chart)</translation>
    </message>
    <message>
        <source>五行（藏干）</source>
        <translation>Elements (hidden stems)</translation>
    </message>
    <message>
        <source>读法</source>
        <translation>Read as</translation>
    </message>
    <message>
        <source>日主</source>
        <translation>日主 Day Master</translation>
    </message>
    <message>
        <source>十神</source>
        <translation>十神 Ten gods</translation>
    </message>
    <message>
        <source>（推算）</source>
        <translation> (reckoned)</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1前</source>
        <translation>%1 before</translation>
    </message>
    <message>
        <source>%1后</source>
        <translation>%1 after</translation>
    </message>
    <message>
        <source>%1 %2，%3；另一侧八字 %4</source>
        <translation>%1 %2, %3; chart on the other side %4</translation>
    </message>
    <message>
        <source>时间基准</source>
        <translation>Time basis</translation>
    </message>
    <message>
        <source>日柱、时柱按</source>
        <translation>Day and hour pillars by</translation>
    </message>
    <message>
        <source>临界</source>
        <translation>临界 Near a cut</translation>
    </message>
    <message>
        <source>前后 %1 分钟内不换柱</source>
        <translation>No pillar changes within %1 minutes</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ChartView</name>
    <message>
        <source>八字 %1</source>
        <translation>Chart %1</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>把这张八字作为文本复制到剪贴板</source>
        <translation>Copy this chart to the clipboard as text</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>保存为 PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>保存为 PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>信息：</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>无法写入文件“%1”。</source>
        <translation>Cannot write the file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>bazi::ui::CnCalendar</name>
    <message>
        <source>%Y年(%S)%M%D %y-%m-%d</source>
        <extracomment>The date box&apos;s line. %Y zodiac animal, %S year pillar, %M lunar month, %D lunar day, %y %m %d the Gregorian year, month and day.</extracomment>
        <translation>%y-%m-%d  lunar %M%D, %S %Y年</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>查询的日期，显示为农历日期。
可直接输入：2016-03-16、20160316、农历2016年二月初八 或 2016-2-8农历，按 Enter 确定，Esc 取消；F2 编辑当前日期。
↑↓ 改日，PageUp/PageDown 改月，Alt+↓ 或 F4 打开日历。</source>
        <translation>The date of the query, shown with its lunar date.
Type a date: 2016-03-16, 20160316, 农历2016年二月初八 (lunar) or 2016-2-8农历; Enter takes it, Esc drops it; F2 edits the current date.
↑↓ change the day, PageUp/PageDown the month, Alt+↓ or F4 open the calendar.</translation>
    </message>
    <message>
        <source>指针所在日的农历日期</source>
        <translation>Lunar date of the day under the pointer</translation>
    </message>
    <message>
        <source>2016-03-16 或 农历2016年二月初八</source>
        <translation>2016-03-16 or 农历2016年二月初八 (lunar)</translation>
    </message>
    <message>
        <source>输入日期</source>
        <translation>Type a date</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>zh_CN</source>
        <extracomment>The locale whose weekday and month names the calendar shows.</extracomment>
        <translation>en_US</translation>
    </message>
    <message>
        <source> 推算</source>
        <translation> (reckoned)</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ConditionRow</name>
    <message>
        <source>位置：</source>
        <translation>Pos.:</translation>
    </message>
    <message>
        <source>数量：</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>position</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>count</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ControlHelp</name>
    <message>
        <source>八字八个字中要找的五行</source>
        <translation>The element sought among the eight characters of the chart</translation>
    </message>
    <message>
        <source>藏干中要找的五行</source>
        <translation>The element sought among the hidden stems</translation>
    </message>
    <message>
        <source>四个天干中要找的天干</source>
        <translation>The stem sought among the four stems</translation>
    </message>
    <message>
        <source>四个地支中要找的地支</source>
        <translation>The branch sought among the four branches</translation>
    </message>
    <message>
        <source>藏干中要找的天干</source>
        <translation>The stem sought among the hidden stems</translation>
    </message>
    <message>
        <source>八字中要找的十神（相对日干）</source>
        <translation>The ten-god (seen from the day stem) sought in the chart</translation>
    </message>
    <message>
        <source>藏干中要找的十神（相对日干）</source>
        <translation>The ten-god (seen from the day stem) sought among the hidden stems</translation>
    </message>
    <message>
        <source>要找的神煞</source>
        <translation>The spirit star sought</translation>
    </message>
    <message>
        <source>%1。
“-”表示不用这一行。</source>
        <translation>%1.
&quot;-&quot; leaves the row unused.</translation>
    </message>
    <message>
        <source>%1。
“-”表示不用这一行；“不指定”表示任一个。
注意：选了内容后，数量仍为“0”时表示一个也没有。</source>
        <translation>%1.
&quot;-&quot; leaves the row unused; &quot;Any&quot; stands for any of them.
Mind: with a value chosen, a count still at &quot;0&quot; asks for none of it.</translation>
    </message>
    <message>
        <source>该内容必须出现的位置；“不固定”表示不限位置。
选择位置后，数量自动设为“非0”。</source>
        <translation>Where the value must stand; &quot;Anywhere&quot; does not fix it.
Choosing a position sets the count to &quot;not 0&quot;.</translation>
    </message>
    <message>
        <source>
“天干”“地支”：四个天干（或地支）中至少有一个。</source>
        <translation>
&quot;Stems&quot;, &quot;Branches&quot;: on at least one of the four stems (or branches).</translation>
    </message>
    <message>
        <source>
柱：该柱地支的藏干中有。</source>
        <translation>
A pillar: among the hidden stems of that pillar&apos;s branch.</translation>
    </message>
    <message>
        <source>在全部藏干中的个数</source>
        <translation>how often it stands among all hidden stems</translation>
    </message>
    <message>
        <source>所在的柱数</source>
        <translation>on how many pillars it stands</translation>
    </message>
    <message>
        <source>在四个天干中的个数</source>
        <translation>how often it stands among the four stems</translation>
    </message>
    <message>
        <source>在四个地支中的个数</source>
        <translation>how often it stands among the four branches</translation>
    </message>
    <message>
        <source>在八字八个字中的个数</source>
        <translation>how often it stands among the eight characters</translation>
    </message>
    <message>
        <source>该内容%1。
“0”表示没有（一个也没有）；“非0”表示至少一个；“非n”表示不等于 n；
“&gt;=n”表示至少 n 个；“&lt;=n”表示至多 n 个。</source>
        <translation>The count: %1.
&quot;0&quot; means none at all; &quot;not 0&quot; at least one; &quot;not n&quot; any number but n;
&quot;&gt;=n&quot; at least n; &quot;&lt;=n&quot; at most n.</translation>
    </message>
    <message>
        <source>藏干无：勾选后，该天干不出现在任何地支的藏干中。</source>
        <translation>藏干无 (not hidden): when ticked, the stem is in no branch&apos;s hidden stems.</translation>
    </message>
    <message>
        <source>不透：勾选后，天干上没有该内容（只藏在地支里，不透出）。</source>
        <translation>不透 (not revealed): when ticked, the value stands on no stem (hidden in the branches only).</translation>
    </message>
    <message>
        <source>无限制：不管天干上有没有。</source>
        <translation>Any (无限制): whether or not on a stem.</translation>
    </message>
    <message>
        <source>透干：天干上有。</source>
        <translation>透干 (revealed): on a stem.</translation>
    </message>
    <message>
        <source>虚浮：仅天干上有，藏干中没有。</source>
        <translation>虚浮 (floating): on the stems only, in no hidden stem.</translation>
    </message>
    <message>
        <source>通根：藏干中有。</source>
        <translation>通根 (rooted): in a hidden stem.</translation>
    </message>
    <message>
        <source>不透：天干上没有。</source>
        <translation>不透 (not revealed): on no stem.</translation>
    </message>
    <message>
        <source>亥子巳午阴阳置换：勾选后，亥、子、巳、午按所藏本气论阴阳——子、午作阴，亥、巳作阳（不勾选时按地支次序：子、午为阳，亥、巳为阴）。
只影响十神的计算，两个十神分组都按它。</source>
        <translation>亥子巳午阴阳置换 (swap yin and yang of 亥子巳午): when ticked, 亥, 子, 巳 and 午 take the polarity of their main hidden stem: 子 and 午 yin, 亥 and 巳 yang (unticked, by their place in the cycle: 子 and 午 yang, 亥 and 巳 yin).
It changes the ten-gods only, in both ten-god groups.</translation>
    </message>
    <message>
        <source>女命：按女命看神煞。只影响“元辰”（它依年支阴阳与男女而定），其它条件都不变。</source>
        <translation>女命 (woman&apos;s chart): read the spirit stars for a woman. Only 元辰 changes (it depends on the year branch&apos;s polarity and the sex); every other condition stays the same.</translation>
    </message>
    <message>
        <source>五行在八字和藏干中的个数、位置与透干</source>
        <translation>Elements in the chart and the hidden stems: count, position, revealing</translation>
    </message>
    <message>
        <source>天干、地支和藏干的个数与位置</source>
        <translation>Stems, branches and hidden stems: count and position</translation>
    </message>
    <message>
        <source>十神（相对日干）在八字和藏干中的个数、位置与透干</source>
        <translation>Ten-gods (seen from the day stem) in the chart and the hidden stems: count, position, revealing</translation>
    </message>
    <message>
        <source>神煞所在的柱</source>
        <translation>The pillars the spirit stars stand at</translation>
    </message>
    <message>
        <source>查询到的时间；双击一行查看八字，右键可复制、导出、打印</source>
        <translation>The moments found; double-click a row for its chart, right-click to copy, export or print</translation>
    </message>
    <message>
        <source>提示：%1 选了“%2”，数量却是“0”，即要求一个%2也没有；要找有%2的，请把数量改为“非0”。</source>
        <translation>Hint: %1 asks for &quot;%2&quot; with a count of &quot;0&quot;, that is, no %2 at all; to find charts with %2, set the count to &quot;not 0&quot;.</translation>
    </message>
    <message>
        <source>（共 %1 处）</source>
        <translation> (%1 rows like this)</translation>
    </message>
</context>
<context>
    <name>bazi::ui::DateEntry</name>
    <message>
        <source>闰</source>
        <translation>leap </translation>
    </message>
    <message>
        <source>日期还不完整：请写成 2016-03-16、20160316 或 农历2016年二月初八</source>
        <translation>The date is not complete: write 2016-03-16, 20160316 or 农历2016年二月初八 (lunar)</translation>
    </message>
    <message>
        <source>无法识别的日期：请写成 2016-03-16、20160316、农历2016年二月初八 或 2016-2-8农历</source>
        <translation>Not a date: write 2016-03-16, 20160316, 农历2016年二月初八 or 2016-2-8农历 (lunar)</translation>
    </message>
    <message>
        <source>没有这一天：%1年%2月%3日</source>
        <translation>No such day: %1-%2-%3</translation>
    </message>
    <message>
        <source>农历%1年不在日历范围内</source>
        <translation>Lunar year %1 is outside the calendar</translation>
    </message>
    <message>
        <source>农历没有%1月</source>
        <translation>The lunar calendar has no month %1</translation>
    </message>
    <message>
        <source>农历%1年没有闰月</source>
        <translation>Lunar year %1 has no leap month</translation>
    </message>
    <message>
        <source>农历%1年没有闰%2月（该年闰%3月）</source>
        <translation>Lunar year %1 has no leap month %2 (its leap month is %3)</translation>
    </message>
    <message>
        <source>农历%1年%2%3月只有%4天</source>
        <translation>Lunar %1, %2month %3 has only %4 days</translation>
    </message>
    <message>
        <source>%1 超出可查询的范围（%2 至 %3）</source>
        <translation>%1 is outside the dates a query can examine (%2 to %3)</translation>
    </message>
</context>
<context>
    <name>bazi::ui::DescriptionWindow</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Enter、F5</source>
        <translation>Enter, F5</translation>
    </message>
    <message>
        <source>推算（在窗口中任何地方）</source>
        <translation>Run the query (推算), from anywhere in the window</translation>
    </message>
    <message>
        <source>Ctrl+Tab、Ctrl+PgDn</source>
        <translation>Ctrl+Tab, Ctrl+PgDn</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Tab、Ctrl+PgUp</source>
        <translation>Ctrl+Shift+Tab, Ctrl+PgUp</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Ctrl+Z、Ctrl+Shift+Z</source>
        <translation>Ctrl+Z, Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>撤销、重做条件的改动</source>
        <translation>Undo, redo a change of the conditions</translation>
    </message>
    <message>
        <source>Ctrl+O、Ctrl+S</source>
        <translation>Ctrl+O, Ctrl+S</translation>
    </message>
    <message>
        <source>打开、保存条件文件</source>
        <translation>Open, save a conditions file</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>打印查询结果</source>
        <translation>Print the results</translation>
    </message>
    <message>
        <source>日期框：直接输入</source>
        <translation>Date box: type</translation>
    </message>
    <message>
        <source>2016-03-16、20160316、农历2016年二月初八、2016-2-8农历</source>
        <translation>2016-03-16, 20160316, 农历2016年二月初八 or 2016-2-8农历 (lunar)</translation>
    </message>
    <message>
        <source>日期框：↑↓、PageUp/PageDown</source>
        <translation>Date box: ↑↓, PageUp/PageDown</translation>
    </message>
    <message>
        <source>改日、改月</source>
        <translation>Change the day, the month</translation>
    </message>
    <message>
        <source>日期框：Alt+↓、F4</source>
        <translation>Date box: Alt+↓, F4</translation>
    </message>
    <message>
        <source>打开日历</source>
        <translation>Open the calendar</translation>
    </message>
    <message>
        <source>结果表：双击、Enter</source>
        <translation>Results: double-click, Enter</translation>
    </message>
    <message>
        <source>查看该时刻的八字</source>
        <translation>The chart of that moment</translation>
    </message>
    <message>
        <source>结果表：Ctrl+C</source>
        <translation>Results: Ctrl+C</translation>
    </message>
    <message>
        <source>复制所选的行</source>
        <translation>Copy the selected rows</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>本说明</source>
        <translation>This description</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>时间设置：时区、出生地、真太阳时、晚子时</source>
        <translation>Time settings: zone, birth place, true solar time, late 子 hour</translation>
    </message>
    <message>
        <source>&lt;h4&gt;用途&lt;/h4&gt;&lt;p&gt;按八字条件找时间：设好日期和条件后按“推算”，软件查看该日及前两天共 36 个时辰（每两小时一个，自 22 时往前），列出八字符合全部条件的时辰。可用于择时，也可用于推寻不确定的出生时间。&lt;/p&gt;&lt;h4&gt;条件怎样读&lt;/h4&gt;&lt;p&gt;每一行：&lt;b&gt;条件&lt;/b&gt;选要找的五行、干支、十神或神煞（“-”不用该行）；&lt;b&gt;位置&lt;/b&gt;要求它出现在哪里；&lt;b&gt;数量&lt;/b&gt;要求它的个数。数量为“0”表示&lt;b&gt;一个也没有&lt;/b&gt;——只选了“金”而数量仍为“0”，找的是没有金的八字；要找有金的，请选“非0”。所有条件同时成立（并且）。&lt;/p&gt;&lt;h4&gt;结果怎样读&lt;/h4&gt;&lt;p&gt;“查询结果”页每行一个时辰，新的在前：公历时间、农历时间、八字（年柱 月柱 日柱 时柱）。年柱在立春交节的一刻更换，月柱在每个“节”交节的一刻更换，日柱在 23 时更换。时间为“时间设置”所选时区的钟表时间（默认东八区），状态栏写明所用的时间基准。双击一行可看该时刻的完整八字：十神、藏干、五行、神煞和节气。条件、日期或时间设置改动后，结果会标为“结果已过时”，请重新推算。&lt;/p&gt;&lt;h4&gt;文件&lt;/h4&gt;&lt;p&gt;“文件”菜单可把条件保存为 JSON 文件，命令行 &lt;tt&gt;bazi-seek query&lt;/tt&gt; 读同样的文件；结果可导出为 CSV 或 JSON，也可打印或存为 PDF。&lt;/p&gt;&lt;h4&gt;键盘&lt;/h4&gt;</source>
        <translation>&lt;h4&gt;What it does&lt;/h4&gt;&lt;p&gt;It searches time by the four-pillar chart (八字): set a date and the conditions, then press &quot;Run&quot; (推算). It looks at the 36 two-hour moments (时辰) of that day and the two days before it (every two hours, from 22:00 back) and lists those whose chart meets every condition. Use it to choose a time (择时) or to recover an unknown birth time.&lt;/p&gt;&lt;h4&gt;Reading the conditions&lt;/h4&gt;&lt;p&gt;Each row: the &lt;b&gt;value&lt;/b&gt; is the element, stem, branch, ten-god (十神) or spirit star (神煞) sought (&quot;-&quot; leaves the row unused); the &lt;b&gt;position&lt;/b&gt; says where it must stand; the &lt;b&gt;count&lt;/b&gt; how many there must be. A count of &quot;0&quot; means &lt;b&gt;none at all&lt;/b&gt;: choosing 金 (Metal) with the count left at &quot;0&quot; searches for charts without metal; for charts with metal choose &quot;not 0&quot;. All conditions must hold together (AND).&lt;/p&gt;&lt;h4&gt;Reading the results&lt;/h4&gt;&lt;p&gt;The page &quot;Results&quot; lists one moment per row, newest first: Gregorian time, lunar time, chart (year, month, day and hour pillar). The year pillar changes at the moment of 立春, the month pillar at the moment of each 节 solar term, the day pillar at 23:00. Times are clock times of the zone chosen in &quot;Time settings&quot; (UTC+8 unless another is chosen); the status line states the time basis in use. Double-click a row for the whole chart of that moment: ten-gods, hidden stems, elements, spirit stars and solar terms. When the conditions, the date or the time settings change, the results are marked &quot;Results out of date&quot;: run the query again.&lt;/p&gt;&lt;h4&gt;Files&lt;/h4&gt;&lt;p&gt;The File menu saves the conditions as a JSON file, the same file that the command &lt;tt&gt;bazi-seek query&lt;/tt&gt; reads; results can be exported as CSV or JSON, printed or saved as PDF.&lt;/p&gt;&lt;h4&gt;Keyboard&lt;/h4&gt;</translation>
    </message>
</context>
<context>
    <name>bazi::ui::FormFile</name>
    <message>
        <source>无法打开条件文件“%1”：%2</source>
        <translation>Cannot open the conditions file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>文件太大（%1 字节；条件文件不超过 %2 字节）</source>
        <translation>the file is too large (%1 bytes; a conditions file has at most %2)</translation>
    </message>
    <message>
        <source>文件太大（条件文件不超过 %1 字节）</source>
        <translation>the file is too large (a conditions file has at most %1 bytes)</translation>
    </message>
    <message>
        <source>不是有效的条件文件：含有空字符（NUL）</source>
        <translation>not a valid conditions file: it holds a NUL character</translation>
    </message>
    <message>
        <source>不是有效的条件文件：%1</source>
        <translation>not a valid conditions file: %1</translation>
    </message>
    <message>
        <source>日期 %1 不在可查询的范围内（%2 至 %3）</source>
        <translation>the date %1 is outside the dates a query can examine (%2 to %3)</translation>
    </message>
    <message>
        <source>无法保存条件文件“%1”：%2</source>
        <translation>Cannot save the conditions file &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>bazi::ui::FormTexts</name>
    <message>
        <source>前三天查询中。。。</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>查询列表完毕！</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>未设置条件！</source>
        <translation>No condition is set!</translation>
    </message>
    <message>
        <source>指定时间内没有找到符合条件的八字或条件冲突！</source>
        <translation>No chart in these three days meets the conditions, or the conditions conflict!</translation>
    </message>
    <message>
        <source>八字时辰查询 bazi-seek</source>
        <translation>bazi-seek: search time by the chart (八字)</translation>
    </message>
    <message>
        <source>条件一：</source>
        <translation>Row 1:</translation>
    </message>
    <message>
        <source>条件二：</source>
        <translation>Row 2:</translation>
    </message>
    <message>
        <source>条件三：</source>
        <translation>Row 3:</translation>
    </message>
    <message>
        <source>条件四：</source>
        <translation>Row 4:</translation>
    </message>
    <message>
        <source>条件五：</source>
        <translation>Row 5:</translation>
    </message>
    <message>
        <source>条件六：</source>
        <translation>Row 6:</translation>
    </message>
    <message>
        <source>条件七：</source>
        <translation>Row 7:</translation>
    </message>
    <message>
        <source>条件八：</source>
        <translation>Row 8:</translation>
    </message>
    <message>
        <source>条件九：</source>
        <translation>Row 9:</translation>
    </message>
    <message>
        <source>条件10：</source>
        <translation>Row 10:</translation>
    </message>
    <message>
        <source>条件11：</source>
        <translation>Row 11:</translation>
    </message>
    <message>
        <source>条件12：</source>
        <translation>Row 12:</translation>
    </message>
    <message>
        <source>条件1—五行</source>
        <translation>1 Elements 五行</translation>
    </message>
    <message>
        <source>条件2—干支</source>
        <translation>2 Stems, branches 干支</translation>
    </message>
    <message>
        <source>条件3—十神</source>
        <translation>3 Ten-gods 十神</translation>
    </message>
    <message>
        <source>条件4—神煞</source>
        <translation>4 Spirit stars 神煞</translation>
    </message>
    <message>
        <source>查询结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>说明：</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>条件：选择表示该条件生效！</source>
        <translation>Value: choosing one puts the row to use</translation>
    </message>
    <message>
        <source>位置：选择表示该位置必须为该条件内容</source>
        <translation>Position: where the value must stand</translation>
    </message>
    <message>
        <source>数量：选择表示该条件内容在本分组中的总数量</source>
        <translation>Count: how many the whole box must hold</translation>
    </message>
    <message>
        <source>例：上边为八字中的总数量，左边为藏干中的总数量</source>
        <translation>Upper box: in the chart; lower: in hidden stems</translation>
    </message>
    <message>
        <source>透干：天干上有</source>
        <translation>透干 revealed: on a stem</translation>
    </message>
    <message>
        <source>虚浮：仅天干上有</source>
        <translation>虚浮 floating: on stems only</translation>
    </message>
    <message>
        <source>通根：藏干有</source>
        <translation>通根 rooted: in a hidden stem</translation>
    </message>
    <message>
        <source>不透：天干上没有</source>
        <translation>不透 not revealed: on no stem</translation>
    </message>
    <message>
        <source>正确设置说明举例：</source>
        <translation>Examples:</translation>
    </message>
    <message>
        <source>八字 条件：不指定  位置：不固定 数量 1      表示条件为任一五行在八字中的数量为1</source>
        <translation>Chart  Value: Any  Position: Anywhere Count 1      some element stands exactly once in the chart</translation>
    </message>
    <message>
        <source>     条件：金      位置：天干   数量 3      表示金在八字中的数量为3且在天干上有金</source>
        <translation>       Value: 金    Position: Stems    Count 3      金 three times in the chart, on a stem at least once</translation>
    </message>
    <message>
        <source>藏干 条件：金      位置：不固定 数量 2      表示条件金在藏干中的数量为2</source>
        <translation>Hidden Value: 金    Position: Anywhere Count 2      金 in exactly two hidden stems</translation>
    </message>
    <message>
        <source>     条件：水      位置：时柱   数量 2 不透 表示条件水在藏干中的数量为2且时支藏干有水且天干没有</source>
        <translation>       Value: 水    Position: 时柱     Count 2 不透 水 in two hidden stems, one in the hour branch, none on a stem</translation>
    </message>
    <message>
        <source>冲突举例：1、指定位置数量设置0（指定位置肯定至少为1） 2、五行：八字分组设置透干或虚浮；藏干设置该五行不透（前后条件相反）</source>
        <translation>Conflicts: 1. a fixed position with count 0;  2. 透干 or 虚浮 above but 不透 for the same element below</translation>
    </message>
    <message>
        <source>注意：1、所有条件均为[并且]关系 ；  2、请自行检查条件设置是否冲突！否则找不到任何八字！</source>
        <translation>Note: 1. all conditions must hold together (AND);  2. check that they do not conflict, or no chart is found!</translation>
    </message>
    <message>
        <source>软件说明：</source>
        <translation>About this program</translation>
    </message>
    <message>
        <source>设置指定时间，软件会根据设置的条件查找出符合条件前3天的时间及八字。</source>
        <translation>Set a date: the program lists the moments of that day and the two days before it, with their charts, that meet the conditions.</translation>
    </message>
    <message>
        <source>信息：</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>条件数：%1  符合数：%2</source>
        <translation>Conditions: %1  Found: %2</translation>
    </message>
    <message>
        <source>结果已过时</source>
        <translation>Out of date</translation>
    </message>
</context>
<context>
    <name>bazi::ui::MainForm</name>
    <message>
        <source>改日期</source>
        <translation>Change the date</translation>
    </message>
    <message>
        <source>改条件</source>
        <translation>Change a condition</translation>
    </message>
    <message>
        <source>日期：</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>推算</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>查找该日及前两天（共 36 个时辰）中八字符合全部条件的时辰（Enter 或 F5）</source>
        <translation>Find the moments of this day and the two before it (36 in all) whose chart meets every condition (Enter or F5)</translation>
    </message>
    <message>
        <source>软件说明</source>
        <translation>About</translation>
    </message>
    <message>
        <source>用途、结果怎样读、快捷键（F1）</source>
        <translation>What it does, how to read the results, the keys (F1)</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>清除本页条件</source>
        <translation>Clear this page&apos;s conditions</translation>
    </message>
    <message>
        <source>清除全部条件</source>
        <translation>Clear all conditions</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>结果已过时：条件或日期已改动，请按“推算”重新查询</source>
        <translation>Results out of date: the conditions or the date changed; press &quot;Run&quot; again</translation>
    </message>
    <message>
        <source>日期“%1”无法使用：%2</source>
        <translation>The date &quot;%1&quot; cannot be used: %2</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>结果已过时：时间设置已改动，请按“推算”重新查询</source>
        <translation>Results out of date: the time settings changed; press &quot;Run&quot; again</translation>
    </message>
    <message>
        <source>%1 的钟表时间 %2 落在日历范围（1800 至 2200 年）之外，无法查询；请换一个日期</source>
        <translation>The clock time %2 of %1 falls outside the calendar (1800 to 2200) and cannot be queried; choose another date</translation>
    </message>
</context>
<context>
    <name>bazi::ui::MainWindow</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>最近打开(&amp;R)</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>清除列表</source>
        <translation>Clear the list</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>导出结果为 CSV…</source>
        <translation>Export results as CSV…</translation>
    </message>
    <message>
        <source>导出结果为 JSON…</source>
        <translation>Export results as JSON…</translation>
    </message>
    <message>
        <source>打印结果(&amp;P)…</source>
        <translation>&amp;Print results…</translation>
    </message>
    <message>
        <source>结果保存为 PDF…</source>
        <translation>Save results as PDF…</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>复制所选结果(&amp;C)</source>
        <translation>&amp;Copy selected results</translation>
    </message>
    <message>
        <source>查询(&amp;Q)</source>
        <translation>&amp;Query</translation>
    </message>
    <message>
        <source>查看八字</source>
        <translation>Show the chart</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>软件说明(&amp;D)</source>
        <translation>About this &amp;program</translation>
    </message>
    <message>
        <source>关于 bazi-seek(&amp;A)</source>
        <translation>&amp;About bazi-seek</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1[*] — %2</source>
        <translation>%1[*] — %2</translation>
    </message>
    <message>
        <source>已打开 %1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>打开条件文件</source>
        <translation>Open a conditions file</translation>
    </message>
    <message>
        <source>条件文件 (*.json);;所有文件 (*)</source>
        <translation>Conditions files (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>条件.json</source>
        <translation>conditions.json</translation>
    </message>
    <message>
        <source>保存条件文件</source>
        <translation>Save the conditions</translation>
    </message>
    <message>
        <source>条件文件 (*.json)</source>
        <translation>Conditions files (*.json)</translation>
    </message>
    <message>
        <source>条件已改动，尚未保存。要保存吗？</source>
        <translation>The conditions have changed and are not saved. Save them?</translation>
    </message>
    <message>
        <source>不保存，改动的条件就会丢失。</source>
        <translation>Without saving, the changed conditions are lost.</translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>关于 bazi-seek</source>
        <translation>About bazi-seek</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;按八字条件找时间的桌面与命令行工具：为择时找出合条件的时辰，或为不确定的出生时间寻找可能的时辰。&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;A desktop and command-line tool that searches time by the four-pillar chart (八字): it finds the moments that meet chosen conditions, for choosing a time or recovering an unknown birth time.&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>推算（三天）</source>
        <translation>Query (three days)</translation>
    </message>
    <message>
        <source>设日期和条件，查该日及前两天的 36 个时辰</source>
        <translation>Set a date and conditions; look at the 36 moments of that day and the two before</translation>
    </message>
    <message>
        <source>时间范围</source>
        <translation>Time range 时间范围</translation>
    </message>
    <message>
        <source>在任意一段时间里找符合条件的时段，精确到秒（条件同“推算”页）</source>
        <translation>Find the spans that meet the conditions in any stretch of time, exact to the second (the conditions of the page &quot;Query&quot;)</translation>
    </message>
    <message>
        <source>八字反查</source>
        <translation>Chart lookup 八字反查</translation>
    </message>
    <message>
        <source>由四柱找出有这个八字的所有时段</source>
        <translation>From four pillars, every span of time with that chart</translation>
    </message>
    <message>
        <source>时间设置(&amp;T)…</source>
        <translation>&amp;Time settings…</translation>
    </message>
    <message>
        <source>时区、出生地、真太阳时、晚子时：所有结果按此读</source>
        <translation>Zone, birth place, true solar time, late 子 hour: every result is read on them</translation>
    </message>
    <message>
        <source>上次的时间设置无法使用（%1），现按日历的默认时间基准</source>
        <translation>The last time settings cannot be used (%1); the calendar&apos;s own time basis is used</translation>
    </message>
    <message>
        <source>时间基准：%1</source>
        <translation>Time basis: %1</translation>
    </message>
    <message>
        <source>所有结果都按这个时间基准读；在“查询 → 时间设置…”（Ctrl+T）中更改</source>
        <translation>Every result is read on this time basis; change it in Query → Time settings… (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>bazi::ui::MonthCalendar</name>
    <message>
        <source>yyyy年M月</source>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>上一年</source>
        <translation>Previous year</translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>下个月</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>下一年</source>
        <translation>Next year</translation>
    </message>
</context>
<context>
    <name>bazi::ui::QueryResultModel</name>
    <message>
        <source>公历时间</source>
        <translation>Gregorian time</translation>
    </message>
    <message>
        <source>农历时间</source>
        <translation>Lunar time</translation>
    </message>
    <message>
        <source>八字</source>
        <translation>Chart 八字</translation>
    </message>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%1-%2-%3</translation>
    </message>
    <message>
        <source>%1时%2分%3秒</source>
        <translation> %1h %2m %3s</translation>
    </message>
    <message>
        <source>%1时%2分</source>
        <translation> %1h %2m</translation>
    </message>
    <message>
        <source>%1时</source>
        <translation> %1h</translation>
    </message>
    <message>
        <source>%1年 闰%2月 初%3</source>
        <translation>%1, leap month %2, day %3</translation>
    </message>
    <message>
        <source>%1年 %2月 初%3</source>
        <translation>%1, month %2, day %3</translation>
    </message>
    <message>
        <source>双击或按 Enter 查看这一时刻的八字</source>
        <translation>Double-click or press Enter for the chart of this moment</translation>
    </message>
    <message>
        <source>查询结果：%1 及前两天（%2）</source>
        <translation>Results: %1 and the two days before (%2)</translation>
    </message>
    <message>
        <source> 推算</source>
        <translation> (reckoned)</translation>
    </message>
    <message>
        <source>UTC 偏移</source>
        <translation>UTC offset</translation>
    </message>
    <message>
        <source>日柱、时柱按</source>
        <translation>Day and hour pillars by</translation>
    </message>
    <message>
        <source>时间基准：%1</source>
        <translation>Time basis: %1</translation>
    </message>
</context>
<context>
    <name>bazi::ui::RangeSearchPage</name>
    <message>
        <source>条件：尚未设置（在“推算”页的条件页中设置）</source>
        <translation>Conditions: none set yet (set them on the condition pages of &quot;Query&quot;)</translation>
    </message>
    <message>
        <source>条件：%1</source>
        <translation>Conditions: %1</translation>
    </message>
    <message>
        <source>日期“%1”无法使用：%2</source>
        <translation>The date &quot;%1&quot; cannot be used: %2</translation>
    </message>
    <message>
        <source>结束日期 %1 早于开始日期 %2</source>
        <translation>The end date %1 is before the start date %2</translation>
    </message>
    <message>
        <source>请至少选一个时辰</source>
        <translation>Choose at least one two-hour block (时辰)</translation>
    </message>
    <message>
        <source>搜索中…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>搜索失败</source>
        <translation>The search failed</translation>
    </message>
    <message>
        <source>条件数：%1  符合时段数：%2</source>
        <translation>Conditions: %1  Spans found: %2</translation>
    </message>
    <message>
        <source>时间范围：%1 至 %2（%3）</source>
        <translation>Time range: %1 to %2 (%3)</translation>
    </message>
    <message>
        <source>已取消：此前找到 %1 个时段</source>
        <translation>Cancelled: %1 spans found before</translation>
    </message>
    <message>
        <source>%1：范围内没有符合条件的时段</source>
        <translation>%1: no span in the range meets the conditions</translation>
    </message>
    <message>
        <source>%1，表中列出前 %2 个</source>
        <translation>%1; the table lists the first %2</translation>
    </message>
    <message>
        <source>这个时辰的时段不在表中列出的前 %1 个之内</source>
        <translation>The spans of this block are not among the first %1 listed</translation>
    </message>
    <message>
        <source>这个时辰没有符合条件的时段</source>
        <translation>No span of this block meets the conditions</translation>
    </message>
    <message>
        <source>从：</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>至：</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>时辰：</source>
        <translation>Hours 时辰:</translation>
    </message>
    <message>
        <source>%1时：%2:00 至 %3:00</source>
        <translation>%1 hour: %2:00 to %3:00</translation>
    </message>
    <message>
        <source>全天</source>
        <translation>All day</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>在这段时间里找八字符合全部条件的时段，精确到秒；条件在“推算”页的条件页中设置</source>
        <translation>Find the spans of this stretch whose chart meets every condition, exact to the second; set the conditions on the condition pages of &quot;Query&quot;</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>修改条件…</source>
        <translation>Edit conditions…</translation>
    </message>
    <message>
        <source>符合条件的时段</source>
        <translation>Spans that meet the conditions</translation>
    </message>
    <message>
        <source>为何符合</source>
        <translation>Why it matched</translation>
    </message>
    <message>
        <source>所选日期在这个时区的钟表上落在日历范围之外</source>
        <translation>On the clock of this zone the dates chosen fall outside the calendar</translation>
    </message>
    <message>
        <source>时间基准：%1</source>
        <translation>Time basis: %1</translation>
    </message>
    <message>
        <source>结果已过时：条件或时间设置已改动，请重新搜索</source>
        <translation>Results out of date: the conditions or the time settings changed; search again</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ResultView</name>
    <message>
        <source>查看八字</source>
        <translation>Show the chart</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>导出为 CSV…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message>
        <source>导出为 JSON…</source>
        <translation>Export as JSON…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>保存为 PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>双击一行或按 Enter 查看它的八字；右键可复制、导出、打印</source>
        <translation>Double-click a row or press Enter for its chart; right-click to copy, export or print</translation>
    </message>
    <message>
        <source>导出为 CSV</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <source>导出为 JSON</source>
        <translation>Export as JSON</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>JSON 文件 (*.json)</source>
        <translation>JSON files (*.json)</translation>
    </message>
    <message>
        <source>信息：</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>无法写入文件“%1”：%2</source>
        <translation>Cannot write the file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>保存为 PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>无法写入文件“%1”。</source>
        <translation>Cannot write the file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>bazi::ui::SpanExplain</name>
    <message>
        <source>%1：%2 %3 %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <source>为何符合</source>
        <translation>Why it matched</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>要求</source>
        <translation>Asks</translation>
    </message>
    <message>
        <source>找到</source>
        <translation>Found</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>所在位置</source>
        <translation>Places</translation>
    </message>
</context>
<context>
    <name>bazi::ui::SpanResultModel</name>
    <message>
        <source>节气交接</source>
        <translation>节气交接 solar term</translation>
    </message>
    <message>
        <source>子时换日</source>
        <translation>子时换日 day change</translation>
    </message>
    <message>
        <source>时辰交接</source>
        <translation>时辰交接 hour change</translation>
    </message>
    <message>
        <source>查询范围</source>
        <translation>查询范围 range</translation>
    </message>
    <message>
        <source>时段</source>
        <translation>时段 allowed hours</translation>
    </message>
    <message>
        <source> 推算</source>
        <translation> (reckoned)</translation>
    </message>
    <message>
        <source>双击或按 Enter 查看这一时段的八字</source>
        <translation>Double-click or press Enter for the chart of this span</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <source>八字</source>
        <translation>Chart 八字</translation>
    </message>
    <message>
        <source>农历</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>起因/止因</source>
        <translation>Starts / ends by</translation>
    </message>
    <message>
        <source>日柱、时柱按</source>
        <translation>Day and hour pillars by</translation>
    </message>
</context>
<context>
    <name>bazi::ui::Terms</name>
    <message>
        <source>不指定</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>金</source>
        <translation>金 Metal</translation>
    </message>
    <message>
        <source>水</source>
        <translation>水 Water</translation>
    </message>
    <message>
        <source>木</source>
        <translation>木 Wood</translation>
    </message>
    <message>
        <source>火</source>
        <translation>火 Fire</translation>
    </message>
    <message>
        <source>土</source>
        <translation>土 Earth</translation>
    </message>
    <message>
        <source>甲</source>
        <translation>甲 Yang Wood</translation>
    </message>
    <message>
        <source>乙</source>
        <translation>乙 Yin Wood</translation>
    </message>
    <message>
        <source>丙</source>
        <translation>丙 Yang Fire</translation>
    </message>
    <message>
        <source>丁</source>
        <translation>丁 Yin Fire</translation>
    </message>
    <message>
        <source>戊</source>
        <translation>戊 Yang Earth</translation>
    </message>
    <message>
        <source>己</source>
        <translation>己 Yin Earth</translation>
    </message>
    <message>
        <source>庚</source>
        <translation>庚 Yang Metal</translation>
    </message>
    <message>
        <source>辛</source>
        <translation>辛 Yin Metal</translation>
    </message>
    <message>
        <source>壬</source>
        <translation>壬 Yang Water</translation>
    </message>
    <message>
        <source>癸</source>
        <translation>癸 Yin Water</translation>
    </message>
    <message>
        <source>子</source>
        <translation>子 Rat</translation>
    </message>
    <message>
        <source>丑</source>
        <translation>丑 Ox</translation>
    </message>
    <message>
        <source>寅</source>
        <translation>寅 Tiger</translation>
    </message>
    <message>
        <source>卯</source>
        <translation>卯 Rabbit</translation>
    </message>
    <message>
        <source>辰</source>
        <translation>辰 Dragon</translation>
    </message>
    <message>
        <source>巳</source>
        <translation>巳 Snake</translation>
    </message>
    <message>
        <source>午</source>
        <translation>午 Horse</translation>
    </message>
    <message>
        <source>未</source>
        <translation>未 Goat</translation>
    </message>
    <message>
        <source>申</source>
        <translation>申 Monkey</translation>
    </message>
    <message>
        <source>酉</source>
        <translation>酉 Rooster</translation>
    </message>
    <message>
        <source>戌</source>
        <translation>戌 Dog</translation>
    </message>
    <message>
        <source>亥</source>
        <translation>亥 Pig</translation>
    </message>
    <message>
        <source>正印</source>
        <translation>正印 Direct Resource</translation>
    </message>
    <message>
        <source>偏印</source>
        <translation>偏印 Indirect Resource</translation>
    </message>
    <message>
        <source>正官</source>
        <translation>正官 Direct Officer</translation>
    </message>
    <message>
        <source>偏官</source>
        <translation>偏官 Seven Killings</translation>
    </message>
    <message>
        <source>正财</source>
        <translation>正财 Direct Wealth</translation>
    </message>
    <message>
        <source>偏财</source>
        <translation>偏财 Indirect Wealth</translation>
    </message>
    <message>
        <source>伤官</source>
        <translation>伤官 Hurting Officer</translation>
    </message>
    <message>
        <source>食神</source>
        <translation>食神 Eating God</translation>
    </message>
    <message>
        <source>比肩</source>
        <translation>比肩 Companion</translation>
    </message>
    <message>
        <source>劫财</source>
        <translation>劫财 Rob Wealth</translation>
    </message>
    <message>
        <source>天乙贵人</source>
        <translation>天乙贵人 Heavenly Noble</translation>
    </message>
    <message>
        <source>天德贵人</source>
        <translation>天德贵人 Heavenly Virtue</translation>
    </message>
    <message>
        <source>月德贵人</source>
        <translation>月德贵人 Monthly Virtue</translation>
    </message>
    <message>
        <source>天医</source>
        <translation>天医 Heavenly Doctor</translation>
    </message>
    <message>
        <source>咸池</source>
        <translation>咸池 Peach Blossom</translation>
    </message>
    <message>
        <source>驿马</source>
        <translation>驿马 Travelling Horse</translation>
    </message>
    <message>
        <source>将星</source>
        <translation>将星 General Star</translation>
    </message>
    <message>
        <source>华盖</source>
        <translation>华盖 Canopy</translation>
    </message>
    <message>
        <source>童子</source>
        <translation>童子 Child Star</translation>
    </message>
    <message>
        <source>元辰</source>
        <translation>元辰 Yuan Chen (Grudge)</translation>
    </message>
    <message>
        <source>指背</source>
        <translation>指背 Finger-pointing</translation>
    </message>
    <message>
        <source>卷舌</source>
        <translation>卷舌 Curled Tongue</translation>
    </message>
    <message>
        <source>空亡</source>
        <translation>空亡 Void</translation>
    </message>
    <message>
        <source>不固定</source>
        <translation>Anywhere</translation>
    </message>
    <message>
        <source>年柱</source>
        <translation>年柱 Year pillar</translation>
    </message>
    <message>
        <source>月柱</source>
        <translation>月柱 Month pillar</translation>
    </message>
    <message>
        <source>日柱</source>
        <translation>日柱 Day pillar</translation>
    </message>
    <message>
        <source>时柱</source>
        <translation>时柱 Hour pillar</translation>
    </message>
    <message>
        <source>年干</source>
        <translation>年干 Year stem</translation>
    </message>
    <message>
        <source>年支</source>
        <translation>年支 Year branch</translation>
    </message>
    <message>
        <source>月干</source>
        <translation>月干 Month stem</translation>
    </message>
    <message>
        <source>月支</source>
        <translation>月支 Month branch</translation>
    </message>
    <message>
        <source>日干</source>
        <translation>日干 Day stem</translation>
    </message>
    <message>
        <source>日支</source>
        <translation>日支 Day branch</translation>
    </message>
    <message>
        <source>时干</source>
        <translation>时干 Hour stem</translation>
    </message>
    <message>
        <source>时支</source>
        <translation>时支 Hour branch</translation>
    </message>
    <message>
        <source>天干</source>
        <translation>天干 Stems</translation>
    </message>
    <message>
        <source>地支</source>
        <translation>地支 Branches</translation>
    </message>
    <message>
        <source>非0</source>
        <translation>not 0</translation>
    </message>
    <message>
        <source>非1</source>
        <translation>not 1</translation>
    </message>
    <message>
        <source>非2</source>
        <translation>not 2</translation>
    </message>
    <message>
        <source>非3</source>
        <translation>not 3</translation>
    </message>
    <message>
        <source>非4</source>
        <translation>not 4</translation>
    </message>
    <message>
        <source>非5</source>
        <translation>not 5</translation>
    </message>
    <message>
        <source>非6</source>
        <translation>not 6</translation>
    </message>
    <message>
        <source>非7</source>
        <translation>not 7</translation>
    </message>
    <message>
        <source>非8</source>
        <translation>not 8</translation>
    </message>
    <message>
        <source>亥子巳午阴阳置换</source>
        <translation>亥子巳午 swap</translation>
    </message>
    <message>
        <source>女命</source>
        <translation>女命 Woman</translation>
    </message>
    <message>
        <source>男命</source>
        <translation>男命 Man</translation>
    </message>
    <message>
        <source>八字</source>
        <translation>Chart 八字</translation>
    </message>
    <message>
        <source>藏干</source>
        <translation>Hidden stems 藏干</translation>
    </message>
    <message>
        <source>神煞</source>
        <translation>Spirit stars 神煞</translation>
    </message>
    <message>
        <source>小寒</source>
        <translation>小寒 Minor Cold</translation>
    </message>
    <message>
        <source>大寒</source>
        <translation>大寒 Major Cold</translation>
    </message>
    <message>
        <source>立春</source>
        <translation>立春 Start of Spring</translation>
    </message>
    <message>
        <source>雨水</source>
        <translation>雨水 Rain Water</translation>
    </message>
    <message>
        <source>惊蛰</source>
        <translation>惊蛰 Awakening of Insects</translation>
    </message>
    <message>
        <source>春分</source>
        <translation>春分 Spring Equinox</translation>
    </message>
    <message>
        <source>清明</source>
        <translation>清明 Pure Brightness</translation>
    </message>
    <message>
        <source>谷雨</source>
        <translation>谷雨 Grain Rain</translation>
    </message>
    <message>
        <source>立夏</source>
        <translation>立夏 Start of Summer</translation>
    </message>
    <message>
        <source>小满</source>
        <translation>小满 Grain Buds</translation>
    </message>
    <message>
        <source>芒种</source>
        <translation>芒种 Grain in Ear</translation>
    </message>
    <message>
        <source>夏至</source>
        <translation>夏至 Summer Solstice</translation>
    </message>
    <message>
        <source>小暑</source>
        <translation>小暑 Minor Heat</translation>
    </message>
    <message>
        <source>大暑</source>
        <translation>大暑 Major Heat</translation>
    </message>
    <message>
        <source>立秋</source>
        <translation>立秋 Start of Autumn</translation>
    </message>
    <message>
        <source>处暑</source>
        <translation>处暑 End of Heat</translation>
    </message>
    <message>
        <source>白露</source>
        <translation>白露 White Dew</translation>
    </message>
    <message>
        <source>秋分</source>
        <translation>秋分 Autumn Equinox</translation>
    </message>
    <message>
        <source>寒露</source>
        <translation>寒露 Cold Dew</translation>
    </message>
    <message>
        <source>霜降</source>
        <translation>霜降 Frost Descent</translation>
    </message>
    <message>
        <source>立冬</source>
        <translation>立冬 Start of Winter</translation>
    </message>
    <message>
        <source>小雪</source>
        <translation>小雪 Minor Snow</translation>
    </message>
    <message>
        <source>大雪</source>
        <translation>大雪 Major Snow</translation>
    </message>
    <message>
        <source>冬至</source>
        <translation>冬至 Winter Solstice</translation>
    </message>
    <message>
        <source>龙马鸡猪腊闰惊蛰满种处谷</source>
        <extracomment>The characters of the calendar&apos;s texts, one for one in the language&apos;s script (English keeps them as they are).</extracomment>
        <translation>龙马鸡猪腊闰惊蛰满种处谷</translation>
    </message>
</context>
<context>
    <name>bazi::ui::TimeSettings</name>
    <message>
        <source>西经 %1°</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <source>东经 %1°</source>
        <translation>%1° E</translation>
    </message>
    <message>
        <source>UTC+8（固定，无夏令时）</source>
        <translation>UTC+8 (fixed, no summer time)</translation>
    </message>
    <message>
        <source>钟表时</source>
        <translation>clock time</translation>
    </message>
    <message>
        <source>标准时（夏令时不计）</source>
        <translation>standard time (summer time taken off)</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>平太阳时（%1）</source>
        <translation>mean solar time (%1)</translation>
    </message>
    <message>
        <source>真太阳时（%1）</source>
        <translation>true solar time (%1)</translation>
    </message>
    <message>
        <source>晚子时算次日</source>
        <translation>late 子 hour counts to the next day</translation>
    </message>
    <message>
        <source>晚子时算当日</source>
        <translation>late 子 hour counts to the same day</translation>
    </message>
    <message>
        <source>时区 %1；日柱、时柱按%2；%3</source>
        <translation>Zone %1; day and hour pillars by %2; %3</translation>
    </message>
    <message>
        <source>“%1”不是时区数据库中的时区：请从列表中选，例如 Asia/Shanghai、America/New_York</source>
        <translation>&quot;%1&quot; is not a zone of the tz database: choose one from the list, such as Asia/Shanghai or America/New_York</translation>
    </message>
    <message>
        <source>时区“%1”2037 年以后的规则无法读取：请选相邻的时区</source>
        <translation>The rule of zone &quot;%1&quot; after 2037 cannot be read: choose a neighbouring zone</translation>
    </message>
    <message>
        <source>经度须是 -180 到 180 之间的度数，东经为正、西经为负，例如 104.07 或 -74.01</source>
        <translation>The longitude must be degrees from -180 to 180, east positive and west negative, such as 104.07 or -74.01</translation>
    </message>
    <message>
        <source>平太阳时、真太阳时要知道出生地：请查找地点或填写经度</source>
        <translation>Mean and true solar time need the birth place: look up a place or type its longitude</translation>
    </message>
    <message>
        <source>平太阳时 %1</source>
        <translation>mean solar time %1</translation>
    </message>
    <message>
        <source>真太阳时 %1</source>
        <translation>true solar time %1</translation>
    </message>
    <message>
        <source>标准时 %1</source>
        <translation>standard time %1</translation>
    </message>
</context>
<context>
    <name>bazi::ui::TimeSettingsDialog</name>
    <message>
        <source>时间基准：%1</source>
        <translation>Time basis: %1</translation>
    </message>
    <message>
        <source>时间基准：（请先改正上面标红的设置）</source>
        <translation>Time basis: (first correct the settings marked in red above)</translation>
    </message>
    <message>
        <source>出生地：%1</source>
        <translation>Birth place: %1</translation>
    </message>
    <message>
        <source>出生地：按所填经度</source>
        <translation>Birth place: by the longitude typed</translation>
    </message>
    <message>
        <source>出生地：未选（只有平太阳时、真太阳时需要）</source>
        <translation>Birth place: none (only mean and true solar time need it)</translation>
    </message>
    <message>
        <source>地名库无法使用：%1</source>
        <translation>The gazetteer cannot be used: %1</translation>
    </message>
    <message>
        <source>没有找到“%1”：试试中文或英文地名，例如 成都、New York</source>
        <translation>Nothing found for &quot;%1&quot;: try a Chinese or English name, such as 成都 or New York</translation>
    </message>
    <message>
        <source>西经 %1°</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <source>东经 %1°</source>
        <translation>%1° E</translation>
    </message>
    <message>
        <source>%1  %2  时区 %3</source>
        <translation>%1  %2  zone %3</translation>
    </message>
    <message>
        <source>时间设置</source>
        <translation>Time settings</translation>
    </message>
    <message>
        <source>钟表时区</source>
        <translation>Clock zone</translation>
    </message>
    <message>
        <source>东八区固定时间 UTC+8（日历默认，无夏令时）(&amp;U)</source>
        <translation>Fixed &amp;UTC+8 (the calendar&apos;s own, no summer time)</translation>
    </message>
    <message>
        <source>时区(&amp;Z)：</source>
        <translation>&amp;Zone:</translation>
    </message>
    <message>
        <source>时区数据库中的名称，如 Asia/Shanghai（含 1986–1991 年夏令时）、America/New_York；输入名称的任一部分即可查找</source>
        <translation>A name of the tz database, such as Asia/Shanghai (with its summer time of 1986–1991) or America/New_York; type any part of the name to find it</translation>
    </message>
    <message>
        <source>出生地</source>
        <translation>Birth place</translation>
    </message>
    <message>
        <source>查找地点(&amp;P)：</source>
        <translation>Find a &amp;place:</translation>
    </message>
    <message>
        <source>中文或英文地名，如 成都、乌鲁木齐、London</source>
        <translation>A Chinese or English name, such as 成都, 乌鲁木齐 or London</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Look up</translation>
    </message>
    <message>
        <source>单击或按 Enter 选用地点：填入它的经度和钟表时区（中国大陆各地都用北京时间 Asia/Shanghai）</source>
        <translation>Click or press Enter to take a place: its longitude and clock zone are filled in (all of mainland China keeps Beijing time, Asia/Shanghai)</translation>
    </message>
    <message>
        <source>经度(&amp;L)：</source>
        <translation>&amp;Longitude:</translation>
    </message>
    <message>
        <source>度，东经为正、西经为负，如 104.07</source>
        <translation>degrees, east positive and west negative, such as 104.07</translation>
    </message>
    <message>
        <source>日柱、时柱按</source>
        <translation>Day and hour pillars by</translation>
    </message>
    <message>
        <source>钟表时间(&amp;C)</source>
        <translation>&amp;Clock time</translation>
    </message>
    <message>
        <source>按所选时区的标准时：夏令时的一小时不计</source>
        <translation>Standard time of the chosen zone: the summer-time hour is taken off</translation>
    </message>
    <message>
        <source>平太阳时(&amp;M)</source>
        <translation>&amp;Mean solar time</translation>
    </message>
    <message>
        <source>出生地的地方平时：UTC 加经度每度 4 分钟</source>
        <translation>Local mean time of the birth place: UTC plus 4 minutes a degree of longitude</translation>
    </message>
    <message>
        <source>真太阳时(&amp;T)</source>
        <translation>&amp;True solar time (真太阳时)</translation>
    </message>
    <message>
        <source>平太阳时加均时差：日晷上的时间</source>
        <translation>Mean solar time plus the equation of time: the time a sundial shows</translation>
    </message>
    <message>
        <source>晚子时（23:00–24:00）</source>
        <translation>Late 子 hour (23:00–24:00)</translation>
    </message>
    <message>
        <source>晚子时算次日：23 时换日(&amp;N)</source>
        <translation>Counts to the &amp;next day: the day changes at 23:00</translation>
    </message>
    <message>
        <source>晚子时算当日：0 时换日(&amp;S)</source>
        <translation>Counts to the &amp;same day: the day changes at 00:00</translation>
    </message>
    <message>
        <source>23 时至 24 时仍用当天的日柱，时柱取次日的子时柱</source>
        <translation>From 23:00 to 24:00 the day pillar stays the day&apos;s, the hour pillar is the next day&apos;s 子 hour pillar</translation>
    </message>
    <message>
        <source>夏令时结束、钟表拨回时重复出现的钟点，按第一次（夏令时）读。</source>
        <translation>A clock time shown twice when summer time ended and clocks were put back is read at its first showing (summer time).</translation>
    </message>
    <message>
        <source>恢复默认(&amp;R)</source>
        <translation>&amp;Restore defaults</translation>
    </message>
    <message>
        <source>回到日历的默认：东八区固定时间，按钟表时间，晚子时算次日</source>
        <translation>Back to the calendar&apos;s own: fixed UTC+8, clock time, late 子 hour counted to the next day</translation>
    </message>
</context>
</TS>
