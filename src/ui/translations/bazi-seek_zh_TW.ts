<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>bazi::ui::Application</name>
    <message>
        <source>按八字条件找时间：设好日期和条件，列出合条件的时辰。</source>
        <translation>按八字條件找時間：設好日期和條件，列出合條件的時辰。</translation>
    </message>
    <message>
        <source>界面语言：zh_CN（简体中文）、zh_TW（繁體中文）或 en（English）</source>
        <translation>介面語言：zh_CN（簡體中文）、zh_TW（繁體中文）或 en（English）</translation>
    </message>
    <message>
        <source>打开的条件文件（与 bazi-seek query 读的 JSON 相同）</source>
        <translation>開啟的條件檔案（與 bazi-seek query 讀的 JSON 相同）</translation>
    </message>
    <message>
        <source>未知的语言“%1”：请用 zh_CN、zh_TW 或 en</source>
        <translation>未知的語言“%1”：請用 zh_CN、zh_TW 或 en</translation>
    </message>
    <message>
        <source>只能打开一个条件文件</source>
        <translation>只能開啟一個條件檔案</translation>
    </message>
    <message>
        <source>用 bazi-seek-gui --help 查看用法。</source>
        <translation>用 bazi-seek-gui --help 檢視用法。</translation>
    </message>
</context>
<context>
    <name>bazi::ui::CalendarGrid</name>
    <message>
        <source>每格一个时辰：绿色越深，符合的部分越多；灰色不在允许的时段内</source>
        <translation>每格一個時辰：綠色越深，符合的部分越多；灰色不在允許的時段內</translation>
    </message>
    <message>
        <source>每行一周，格中数字为符合的时段数；点一行看其中各日</source>
        <translation>每行一週，格中數字為符合的時段數；點一行看其中各日</translation>
    </message>
    <message>
        <source>每行一月，格中数字为符合的时段数；点一行看其中各日</source>
        <translation>每行一月，格中數字為符合的時段數；點一行看其中各日</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>日历</source>
        <translation>日曆</translation>
    </message>
</context>
<context>
    <name>bazi::ui::CalendarGridModel</name>
    <message>
        <source>时</source>
        <translation>時</translation>
    </message>
    <message>
        <source>%1：不在允许的时段内</source>
        <translation>%1：不在允許的時段內</translation>
    </message>
    <message>
        <source>%1：符合 %2%（%3 个时段）</source>
        <translation>%1：符合 %2%（%3 個時段）</translation>
    </message>
    <message>
        <source>yyyy-MM-dd ddd</source>
        <translation>yyyy-MM-dd ddd</translation>
    </message>
    <message>
        <source>%1 起一周</source>
        <translation>%1 起一週</translation>
    </message>
    <message>
        <source>yyyy年M月</source>
        <translation>yyyy年M月</translation>
    </message>
</context>
<context>
    <name>bazi::ui::Captions</name>
    <message>
        <source>无限制</source>
        <translation>無限制</translation>
    </message>
    <message>
        <source>透干</source>
        <translation>透干</translation>
    </message>
    <message>
        <source>虚浮</source>
        <translation>虛浮</translation>
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
        <translation>藏干無</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ChartLookupPage</name>
    <message>
        <source>不详</source>
        <translation>不詳</translation>
    </message>
    <message>
        <source>请至少选一柱</source>
        <translation>請至少選一柱</translation>
    </message>
    <message>
        <source>结束日期早于开始日期</source>
        <translation>結束日期早於開始日期</translation>
    </message>
    <message>
        <source>查找中…</source>
        <translation>查詢中…</translation>
    </message>
    <message>
        <source>八字反查：%1（%2 个时段）</source>
        <translation>八字反查：%1（%2 個時段）</translation>
    </message>
    <message>
        <source>%1：%2 个时段，表中列出前 %3 个</source>
        <translation>%1：%2 個時段，表中列出前 %3 個</translation>
    </message>
    <message>
        <source>%1：%2 个时段</source>
        <translation>%1：%2 個時段</translation>
    </message>
    <message>
        <source>%1 在整个日历（%2 至 %3）中都不出现</source>
        <translation>%1 在整個日曆（%2 至 %3）中都不出現</translation>
    </message>
    <message>
        <source>%1 不出现在所选范围内</source>
        <translation>%1 不出現在所選範圍內</translation>
    </message>
    <message>
        <source>，在整个日历中也不出现</source>
        <translation>，在整個日曆中也不出現</translation>
    </message>
    <message>
        <source>；之前最近：%1</source>
        <translation>；之前最近：%1</translation>
    </message>
    <message>
        <source>；之后最近：%1</source>
        <translation>；之後最近：%1</translation>
    </message>
    <message>
        <source>年柱：</source>
        <translation>年柱：</translation>
    </message>
    <message>
        <source>月柱：</source>
        <translation>月柱：</translation>
    </message>
    <message>
        <source>日柱：</source>
        <translation>日柱：</translation>
    </message>
    <message>
        <source>时柱：</source>
        <translation>時柱：</translation>
    </message>
    <message>
        <source>只列出能在所选年柱之下的月柱（五虎遁：年干定月干）</source>
        <translation>只列出能在所選年柱之下的月柱（五虎遁：年干定月干）</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>查詢</translation>
    </message>
    <message>
        <source>列出有这个八字的所有时段，精确到秒；“不详”的柱不限</source>
        <translation>列出有這個八字的所有時段，精確到秒；“不詳”的柱不限</translation>
    </message>
    <message>
        <source>限定范围：</source>
        <translation>限定範圍：</translation>
    </message>
    <message>
        <source>至</source>
        <translation>至</translation>
    </message>
    <message>
        <source>有这个八字的时段</source>
        <translation>有這個八字的時段</translation>
    </message>
    <message>
        <source>所选日期在这个时区的钟表上落在日历范围之外</source>
        <translation>所選日期在這個時區的鐘錶上落在日曆範圍之外</translation>
    </message>
    <message>
        <source>时间基准：%1</source>
        <translation>時間基準：%1</translation>
    </message>
    <message>
        <source>只列出能在所选日柱之下的时柱（五鼠遁：日干定时干）；晚子时算当日时，另有次日的子时柱（23 时至 24 时）</source>
        <translation>只列出能在所選日柱之下的時柱（五鼠遁：日干定時干）；晚子時算當日時，另有次日的子時柱（23 時至 24 時）</translation>
    </message>
    <message>
        <source>结果已过时：时间设置已改动，请重新查找</source>
        <translation>結果已過時：時間設定已改動，請重新查詢</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ChartSheet</name>
    <message>
        <source>（不在节气表的范围内）</source>
        <translation>（不在節氣表的範圍內）</translation>
    </message>
    <message>
        <source>时</source>
        <translation>時</translation>
    </message>
    <message>
        <source>%1 的八字</source>
        <translation>%1 的八字</translation>
    </message>
    <message>
        <source>公历</source>
        <translation>公曆</translation>
    </message>
    <message>
        <source>农历</source>
        <translation>農曆</translation>
    </message>
    <message>
        <source>%1年%2%3</source>
        <translation>%1年%2%3</translation>
    </message>
    <message>
        <source>八字</source>
        <translation>八字</translation>
    </message>
    <message>
        <source>当前节气</source>
        <translation>當前節氣</translation>
    </message>
    <message>
        <source>下一节气</source>
        <translation>下一節氣</translation>
    </message>
    <message>
        <source>五行（八字）</source>
        <translation>五行（八字）</translation>
    </message>
    <message>
        <source>五行（藏干）</source>
        <translation>五行（藏干）</translation>
    </message>
    <message>
        <source>读法</source>
        <translation>讀法</translation>
    </message>
    <message>
        <source>日主</source>
        <translation>日主</translation>
    </message>
    <message>
        <source>十神</source>
        <translation>十神</translation>
    </message>
    <message>
        <source>（推算）</source>
        <translation>（推算）</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1分%2秒</translation>
    </message>
    <message>
        <source>%1前</source>
        <translation>%1前</translation>
    </message>
    <message>
        <source>%1后</source>
        <translation>%1後</translation>
    </message>
    <message>
        <source>%1 %2，%3；另一侧八字 %4</source>
        <translation>%1 %2，%3；另一側八字 %4</translation>
    </message>
    <message>
        <source>时间基准</source>
        <translation>時間基準</translation>
    </message>
    <message>
        <source>日柱、时柱按</source>
        <translation>日柱、時柱按</translation>
    </message>
    <message>
        <source>临界</source>
        <translation>臨界</translation>
    </message>
    <message>
        <source>前后 %1 分钟内不换柱</source>
        <translation>前後 %1 分鐘內不換柱</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ChartView</name>
    <message>
        <source>八字 %1</source>
        <translation>八字 %1</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>把这张八字作为文本复制到剪贴板</source>
        <translation>把這張八字作為文字複製到剪貼簿</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>列印…</translation>
    </message>
    <message>
        <source>保存为 PDF…</source>
        <translation>儲存為 PDF…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>保存为 PDF</source>
        <translation>儲存為 PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>信息：</source>
        <translation>資訊：</translation>
    </message>
    <message>
        <source>无法写入文件“%1”。</source>
        <translation>無法寫入檔案“%1”。</translation>
    </message>
</context>
<context>
    <name>bazi::ui::CnCalendar</name>
    <message>
        <source>%Y年(%S)%M%D %y-%m-%d</source>
        <extracomment>The date box&apos;s line. %Y zodiac animal, %S year pillar, %M lunar month, %D lunar day, %y %m %d the Gregorian year, month and day.</extracomment>
        <translation>%Y年(%S)%M%D %y-%m-%d</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>查询的日期，显示为农历日期。
可直接输入：2016-03-16、20160316、农历2016年二月初八 或 2016-2-8农历，按 Enter 确定，Esc 取消；F2 编辑当前日期。
↑↓ 改日，PageUp/PageDown 改月，Alt+↓ 或 F4 打开日历。</source>
        <translation>查詢的日期，顯示為農曆日期。
可直接輸入：2016-03-16、20160316、農曆2016年二月初八 或 2016-2-8農曆，按 Enter 確定，Esc 取消；F2 編輯當前日期。
↑↓ 改日，PageUp/PageDown 改月，Alt+↓ 或 F4 開啟日曆。</translation>
    </message>
    <message>
        <source>指针所在日的农历日期</source>
        <translation>指標所在日的農曆日期</translation>
    </message>
    <message>
        <source>2016-03-16 或 农历2016年二月初八</source>
        <translation>2016-03-16 或 農曆2016年二月初八</translation>
    </message>
    <message>
        <source>输入日期</source>
        <translation>輸入日期</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>zh_CN</source>
        <extracomment>The locale whose weekday and month names the calendar shows.</extracomment>
        <translation>zh_TW</translation>
    </message>
    <message>
        <source> 推算</source>
        <translation> 推算</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ConditionRow</name>
    <message>
        <source>位置：</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>数量：</source>
        <translation>數量：</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>數量</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ControlHelp</name>
    <message>
        <source>八字八个字中要找的五行</source>
        <translation>八字八個字中要找的五行</translation>
    </message>
    <message>
        <source>藏干中要找的五行</source>
        <translation>藏干中要找的五行</translation>
    </message>
    <message>
        <source>四个天干中要找的天干</source>
        <translation>四個天干中要找的天干</translation>
    </message>
    <message>
        <source>四个地支中要找的地支</source>
        <translation>四個地支中要找的地支</translation>
    </message>
    <message>
        <source>藏干中要找的天干</source>
        <translation>藏干中要找的天干</translation>
    </message>
    <message>
        <source>八字中要找的十神（相对日干）</source>
        <translation>八字中要找的十神（相對日干）</translation>
    </message>
    <message>
        <source>藏干中要找的十神（相对日干）</source>
        <translation>藏干中要找的十神（相對日干）</translation>
    </message>
    <message>
        <source>要找的神煞</source>
        <translation>要找的神煞</translation>
    </message>
    <message>
        <source>%1。
“-”表示不用这一行。</source>
        <translation>%1。
“-”表示不用這一行。</translation>
    </message>
    <message>
        <source>%1。
“-”表示不用这一行；“不指定”表示任一个。
注意：选了内容后，数量仍为“0”时表示一个也没有。</source>
        <translation>%1。
“-”表示不用這一行；“不指定”表示任一個。
注意：選了內容後，數量仍為“0”時表示一個也沒有。</translation>
    </message>
    <message>
        <source>该内容必须出现的位置；“不固定”表示不限位置。
选择位置后，数量自动设为“非0”。</source>
        <translation>該內容必須出現的位置；“不固定”表示不限位置。
選擇位置後，數量自動設為“非0”。</translation>
    </message>
    <message>
        <source>
“天干”“地支”：四个天干（或地支）中至少有一个。</source>
        <translation>
“天干”“地支”：四個天干（或地支）中至少有一個。</translation>
    </message>
    <message>
        <source>
柱：该柱地支的藏干中有。</source>
        <translation>
柱：該柱地支的藏干中有。</translation>
    </message>
    <message>
        <source>在全部藏干中的个数</source>
        <translation>在全部藏干中的個數</translation>
    </message>
    <message>
        <source>所在的柱数</source>
        <translation>所在的柱數</translation>
    </message>
    <message>
        <source>在四个天干中的个数</source>
        <translation>在四個天干中的個數</translation>
    </message>
    <message>
        <source>在四个地支中的个数</source>
        <translation>在四個地支中的個數</translation>
    </message>
    <message>
        <source>在八字八个字中的个数</source>
        <translation>在八字八個字中的個數</translation>
    </message>
    <message>
        <source>该内容%1。
“0”表示没有（一个也没有）；“非0”表示至少一个；“非n”表示不等于 n；
“&gt;=n”表示至少 n 个；“&lt;=n”表示至多 n 个。</source>
        <translation>該內容%1。
“0”表示沒有（一個也沒有）；“非0”表示至少一個；“非n”表示不等於 n；
“&gt;=n”表示至少 n 個；“&lt;=n”表示至多 n 個。</translation>
    </message>
    <message>
        <source>藏干无：勾选后，该天干不出现在任何地支的藏干中。</source>
        <translation>藏干無：勾選後，該天干不出現在任何地支的藏干中。</translation>
    </message>
    <message>
        <source>不透：勾选后，天干上没有该内容（只藏在地支里，不透出）。</source>
        <translation>不透：勾選後，天干上沒有該內容（只藏在地支裡，不透出）。</translation>
    </message>
    <message>
        <source>无限制：不管天干上有没有。</source>
        <translation>無限制：不管天干上有沒有。</translation>
    </message>
    <message>
        <source>透干：天干上有。</source>
        <translation>透干：天干上有。</translation>
    </message>
    <message>
        <source>虚浮：仅天干上有，藏干中没有。</source>
        <translation>虛浮：僅天干上有，藏干中沒有。</translation>
    </message>
    <message>
        <source>通根：藏干中有。</source>
        <translation>通根：藏干中有。</translation>
    </message>
    <message>
        <source>不透：天干上没有。</source>
        <translation>不透：天干上沒有。</translation>
    </message>
    <message>
        <source>亥子巳午阴阳置换：勾选后，亥、子、巳、午按所藏本气论阴阳——子、午作阴，亥、巳作阳（不勾选时按地支次序：子、午为阳，亥、巳为阴）。
只影响十神的计算，两个十神分组都按它。</source>
        <translation>亥子巳午陰陽置換：勾選後，亥、子、巳、午按所藏本氣論陰陽——子、午作陰，亥、巳作陽（不勾選時按地支次序：子、午為陽，亥、巳為陰）。
只影響十神的計算，兩個十神分組都按它。</translation>
    </message>
    <message>
        <source>女命：按女命看神煞。只影响“元辰”（它依年支阴阳与男女而定），其它条件都不变。</source>
        <translation>女命：按女命看神煞。只影響“元辰”（它依年支陰陽與男女而定），其它條件都不變。</translation>
    </message>
    <message>
        <source>五行在八字和藏干中的个数、位置与透干</source>
        <translation>五行在八字和藏干中的個數、位置與透干</translation>
    </message>
    <message>
        <source>天干、地支和藏干的个数与位置</source>
        <translation>天干、地支和藏干的個數與位置</translation>
    </message>
    <message>
        <source>十神（相对日干）在八字和藏干中的个数、位置与透干</source>
        <translation>十神（相對日干）在八字和藏干中的個數、位置與透干</translation>
    </message>
    <message>
        <source>神煞所在的柱</source>
        <translation>神煞所在的柱</translation>
    </message>
    <message>
        <source>查询到的时间；双击一行查看八字，右键可复制、导出、打印</source>
        <translation>查詢到的時間；雙擊一行檢視八字，右鍵可複製、匯出、列印</translation>
    </message>
    <message>
        <source>提示：%1 选了“%2”，数量却是“0”，即要求一个%2也没有；要找有%2的，请把数量改为“非0”。</source>
        <translation>提示：%1 選了“%2”，數量卻是“0”，即要求一個%2也沒有；要找有%2的，請把數量改為“非0”。</translation>
    </message>
    <message>
        <source>（共 %1 处）</source>
        <translation>（共 %1 處）</translation>
    </message>
</context>
<context>
    <name>bazi::ui::DateEntry</name>
    <message>
        <source>闰</source>
        <translation>閏</translation>
    </message>
    <message>
        <source>日期还不完整：请写成 2016-03-16、20160316 或 农历2016年二月初八</source>
        <translation>日期還不完整：請寫成 2016-03-16、20160316 或 農曆2016年二月初八</translation>
    </message>
    <message>
        <source>无法识别的日期：请写成 2016-03-16、20160316、农历2016年二月初八 或 2016-2-8农历</source>
        <translation>無法識別的日期：請寫成 2016-03-16、20160316、農曆2016年二月初八 或 2016-2-8農曆</translation>
    </message>
    <message>
        <source>没有这一天：%1年%2月%3日</source>
        <translation>沒有這一天：%1年%2月%3日</translation>
    </message>
    <message>
        <source>农历%1年不在日历范围内</source>
        <translation>農曆%1年不在日曆範圍內</translation>
    </message>
    <message>
        <source>农历没有%1月</source>
        <translation>農曆沒有%1月</translation>
    </message>
    <message>
        <source>农历%1年没有闰月</source>
        <translation>農曆%1年沒有閏月</translation>
    </message>
    <message>
        <source>农历%1年没有闰%2月（该年闰%3月）</source>
        <translation>農曆%1年沒有閏%2月（該年閏%3月）</translation>
    </message>
    <message>
        <source>农历%1年%2%3月只有%4天</source>
        <translation>農曆%1年%2%3月只有%4天</translation>
    </message>
    <message>
        <source>%1 超出可查询的范围（%2 至 %3）</source>
        <translation>%1 超出可查詢的範圍（%2 至 %3）</translation>
    </message>
</context>
<context>
    <name>bazi::ui::DescriptionWindow</name>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Enter、F5</source>
        <translation>Enter、F5</translation>
    </message>
    <message>
        <source>推算（在窗口中任何地方）</source>
        <translation>推算（在視窗中任何地方）</translation>
    </message>
    <message>
        <source>Ctrl+Tab、Ctrl+PgDn</source>
        <translation>Ctrl+Tab、Ctrl+PgDn</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Tab、Ctrl+PgUp</source>
        <translation>Ctrl+Shift+Tab、Ctrl+PgUp</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Ctrl+Z、Ctrl+Shift+Z</source>
        <translation>Ctrl+Z、Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>撤销、重做条件的改动</source>
        <translation>撤銷、重做條件的改動</translation>
    </message>
    <message>
        <source>Ctrl+O、Ctrl+S</source>
        <translation>Ctrl+O、Ctrl+S</translation>
    </message>
    <message>
        <source>打开、保存条件文件</source>
        <translation>開啟、儲存條件檔案</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>打印查询结果</source>
        <translation>列印查詢結果</translation>
    </message>
    <message>
        <source>日期框：直接输入</source>
        <translation>日期框：直接輸入</translation>
    </message>
    <message>
        <source>2016-03-16、20160316、农历2016年二月初八、2016-2-8农历</source>
        <translation>2016-03-16、20160316、農曆2016年二月初八、2016-2-8農曆</translation>
    </message>
    <message>
        <source>日期框：↑↓、PageUp/PageDown</source>
        <translation>日期框：↑↓、PageUp/PageDown</translation>
    </message>
    <message>
        <source>改日、改月</source>
        <translation>改日、改月</translation>
    </message>
    <message>
        <source>日期框：Alt+↓、F4</source>
        <translation>日期框：Alt+↓、F4</translation>
    </message>
    <message>
        <source>打开日历</source>
        <translation>開啟日曆</translation>
    </message>
    <message>
        <source>结果表：双击、Enter</source>
        <translation>結果表：雙擊、Enter</translation>
    </message>
    <message>
        <source>查看该时刻的八字</source>
        <translation>檢視該時刻的八字</translation>
    </message>
    <message>
        <source>结果表：Ctrl+C</source>
        <translation>結果表：Ctrl+C</translation>
    </message>
    <message>
        <source>复制所选的行</source>
        <translation>複製所選的行</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>本说明</source>
        <translation>本說明</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>时间设置：时区、出生地、真太阳时、晚子时</source>
        <translation>時間設定：時區、出生地、真太陽時、晚子時</translation>
    </message>
    <message>
        <source>&lt;h4&gt;用途&lt;/h4&gt;&lt;p&gt;按八字条件找时间：设好日期和条件后按“推算”，软件查看该日及前两天共 36 个时辰（每两小时一个，自 22 时往前），列出八字符合全部条件的时辰。可用于择时，也可用于推寻不确定的出生时间。&lt;/p&gt;&lt;h4&gt;条件怎样读&lt;/h4&gt;&lt;p&gt;每一行：&lt;b&gt;条件&lt;/b&gt;选要找的五行、干支、十神或神煞（“-”不用该行）；&lt;b&gt;位置&lt;/b&gt;要求它出现在哪里；&lt;b&gt;数量&lt;/b&gt;要求它的个数。数量为“0”表示&lt;b&gt;一个也没有&lt;/b&gt;——只选了“金”而数量仍为“0”，找的是没有金的八字；要找有金的，请选“非0”。所有条件同时成立（并且）。&lt;/p&gt;&lt;h4&gt;结果怎样读&lt;/h4&gt;&lt;p&gt;“查询结果”页每行一个时辰，新的在前：公历时间、农历时间、八字（年柱 月柱 日柱 时柱）。年柱在立春交节的一刻更换，月柱在每个“节”交节的一刻更换，日柱在 23 时更换。时间为“时间设置”所选时区的钟表时间（默认东八区），状态栏写明所用的时间基准。双击一行可看该时刻的完整八字：十神、藏干、五行、神煞和节气。条件、日期或时间设置改动后，结果会标为“结果已过时”，请重新推算。&lt;/p&gt;&lt;h4&gt;文件&lt;/h4&gt;&lt;p&gt;“文件”菜单可把条件保存为 JSON 文件，命令行 &lt;tt&gt;bazi-seek query&lt;/tt&gt; 读同样的文件；结果可导出为 CSV 或 JSON，也可打印或存为 PDF。&lt;/p&gt;&lt;h4&gt;键盘&lt;/h4&gt;</source>
        <translation>&lt;h4&gt;用途&lt;/h4&gt;&lt;p&gt;按八字條件找時間：設好日期和條件後按“推算”，軟體檢視該日及前兩天共 36 個時辰（每兩小時一個，自 22 時往前），列出八字符合全部條件的時辰。可用於擇時，也可用於推尋不確定的出生時間。&lt;/p&gt;&lt;h4&gt;條件怎樣讀&lt;/h4&gt;&lt;p&gt;每一行：&lt;b&gt;條件&lt;/b&gt;選要找的五行、干支、十神或神煞（“-”不用該行）；&lt;b&gt;位置&lt;/b&gt;要求它出現在哪裡；&lt;b&gt;數量&lt;/b&gt;要求它的個數。數量為“0”表示&lt;b&gt;一個也沒有&lt;/b&gt;——只選了“金”而數量仍為“0”，找的是沒有金的八字；要找有金的，請選“非0”。所有條件同時成立（並且）。&lt;/p&gt;&lt;h4&gt;結果怎樣讀&lt;/h4&gt;&lt;p&gt;“查詢結果”頁每行一個時辰，新的在前：公曆時間、農曆時間、八字（年柱 月柱 日柱 時柱）。年柱在立春交節的一刻更換，月柱在每個“節”交節的一刻更換，日柱在 23 時更換。時間為“時間設定”所選時區的鐘錶時間（預設東八區），狀態列寫明所用的時間基準。雙擊一行可看該時刻的完整八字：十神、藏干、五行、神煞和節氣。條件、日期或時間設定改動後，結果會標為“結果已過時”，請重新推算。&lt;/p&gt;&lt;h4&gt;檔案&lt;/h4&gt;&lt;p&gt;“檔案”選單可把條件儲存為 JSON 檔案，命令列 &lt;tt&gt;bazi-seek query&lt;/tt&gt; 讀同樣的檔案；結果可匯出為 CSV 或 JSON，也可列印或存為 PDF。&lt;/p&gt;&lt;h4&gt;鍵盤&lt;/h4&gt;</translation>
    </message>
</context>
<context>
    <name>bazi::ui::FormFile</name>
    <message>
        <source>无法打开条件文件“%1”：%2</source>
        <translation>無法開啟條件檔案“%1”：%2</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>不是普通檔案</translation>
    </message>
    <message>
        <source>文件太大（%1 字节；条件文件不超过 %2 字节）</source>
        <translation>檔案太大（%1 位元組；條件檔案不超過 %2 位元組）</translation>
    </message>
    <message>
        <source>文件太大（条件文件不超过 %1 字节）</source>
        <translation>檔案太大（條件檔案不超過 %1 位元組）</translation>
    </message>
    <message>
        <source>不是有效的条件文件：含有空字符（NUL）</source>
        <translation>不是有效的條件檔案：含有空字元（NUL）</translation>
    </message>
    <message>
        <source>不是有效的条件文件：%1</source>
        <translation>不是有效的條件檔案：%1</translation>
    </message>
    <message>
        <source>日期 %1 不在可查询的范围内（%2 至 %3）</source>
        <translation>日期 %1 不在可查詢的範圍內（%2 至 %3）</translation>
    </message>
    <message>
        <source>无法保存条件文件“%1”：%2</source>
        <translation>無法儲存條件檔案“%1”：%2</translation>
    </message>
</context>
<context>
    <name>bazi::ui::FormTexts</name>
    <message>
        <source>前三天查询中。。。</source>
        <translation>前三天查詢中。。。</translation>
    </message>
    <message>
        <source>查询列表完毕！</source>
        <translation>查詢列表完畢！</translation>
    </message>
    <message>
        <source>未设置条件！</source>
        <translation>未設定條件！</translation>
    </message>
    <message>
        <source>指定时间内没有找到符合条件的八字或条件冲突！</source>
        <translation>指定時間內沒有找到符合條件的八字或條件衝突！</translation>
    </message>
    <message>
        <source>八字时辰查询 bazi-seek</source>
        <translation>八字時辰查詢 bazi-seek</translation>
    </message>
    <message>
        <source>条件一：</source>
        <translation>條件一：</translation>
    </message>
    <message>
        <source>条件二：</source>
        <translation>條件二：</translation>
    </message>
    <message>
        <source>条件三：</source>
        <translation>條件三：</translation>
    </message>
    <message>
        <source>条件四：</source>
        <translation>條件四：</translation>
    </message>
    <message>
        <source>条件五：</source>
        <translation>條件五：</translation>
    </message>
    <message>
        <source>条件六：</source>
        <translation>條件六：</translation>
    </message>
    <message>
        <source>条件七：</source>
        <translation>條件七：</translation>
    </message>
    <message>
        <source>条件八：</source>
        <translation>條件八：</translation>
    </message>
    <message>
        <source>条件九：</source>
        <translation>條件九：</translation>
    </message>
    <message>
        <source>条件10：</source>
        <translation>條件10：</translation>
    </message>
    <message>
        <source>条件11：</source>
        <translation>條件11：</translation>
    </message>
    <message>
        <source>条件12：</source>
        <translation>條件12：</translation>
    </message>
    <message>
        <source>条件1—五行</source>
        <translation>條件1—五行</translation>
    </message>
    <message>
        <source>条件2—干支</source>
        <translation>條件2—干支</translation>
    </message>
    <message>
        <source>条件3—十神</source>
        <translation>條件3—十神</translation>
    </message>
    <message>
        <source>条件4—神煞</source>
        <translation>條件4—神煞</translation>
    </message>
    <message>
        <source>查询结果</source>
        <translation>查詢結果</translation>
    </message>
    <message>
        <source>说明：</source>
        <translation>說明：</translation>
    </message>
    <message>
        <source>条件：选择表示该条件生效！</source>
        <translation>條件：選擇表示該條件生效！</translation>
    </message>
    <message>
        <source>位置：选择表示该位置必须为该条件内容</source>
        <translation>位置：選擇表示該位置必須為該條件內容</translation>
    </message>
    <message>
        <source>数量：选择表示该条件内容在本分组中的总数量</source>
        <translation>數量：選擇表示該條件內容在本分組中的總數量</translation>
    </message>
    <message>
        <source>例：上边为八字中的总数量，左边为藏干中的总数量</source>
        <translation>例：上邊為八字中的總數量，左邊為藏干中的總數量</translation>
    </message>
    <message>
        <source>透干：天干上有</source>
        <translation>透干：天干上有</translation>
    </message>
    <message>
        <source>虚浮：仅天干上有</source>
        <translation>虛浮：僅天干上有</translation>
    </message>
    <message>
        <source>通根：藏干有</source>
        <translation>通根：藏干有</translation>
    </message>
    <message>
        <source>不透：天干上没有</source>
        <translation>不透：天干上沒有</translation>
    </message>
    <message>
        <source>正确设置说明举例：</source>
        <translation>正確設定說明舉例：</translation>
    </message>
    <message>
        <source>八字 条件：不指定  位置：不固定 数量 1      表示条件为任一五行在八字中的数量为1</source>
        <translation>八字 條件：不指定  位置：不固定 數量 1      表示條件為任一五行在八字中的數量為1</translation>
    </message>
    <message>
        <source>     条件：金      位置：天干   数量 3      表示金在八字中的数量为3且在天干上有金</source>
        <translation>     條件：金      位置：天干   數量 3      表示金在八字中的數量為3且在天干上有金</translation>
    </message>
    <message>
        <source>藏干 条件：金      位置：不固定 数量 2      表示条件金在藏干中的数量为2</source>
        <translation>藏干 條件：金      位置：不固定 數量 2      表示條件金在藏干中的數量為2</translation>
    </message>
    <message>
        <source>     条件：水      位置：时柱   数量 2 不透 表示条件水在藏干中的数量为2且时支藏干有水且天干没有</source>
        <translation>     條件：水      位置：時柱   數量 2 不透 表示條件水在藏干中的數量為2且時支藏干有水且天干沒有</translation>
    </message>
    <message>
        <source>冲突举例：1、指定位置数量设置0（指定位置肯定至少为1） 2、五行：八字分组设置透干或虚浮；藏干设置该五行不透（前后条件相反）</source>
        <translation>衝突舉例：1、指定位置數量設定0（指定位置肯定至少為1） 2、五行：八字分組設定透干或虛浮；藏干設定該五行不透（前後條件相反）</translation>
    </message>
    <message>
        <source>注意：1、所有条件均为[并且]关系 ；  2、请自行检查条件设置是否冲突！否则找不到任何八字！</source>
        <translation>注意：1、所有條件均為[並且]關係 ；  2、請自行檢查條件設定是否衝突！否則找不到任何八字！</translation>
    </message>
    <message>
        <source>软件说明：</source>
        <translation>軟體說明：</translation>
    </message>
    <message>
        <source>设置指定时间，软件会根据设置的条件查找出符合条件前3天的时间及八字。</source>
        <translation>設定指定時間，軟體會根據設定的條件查找出符合條件前3天的時間及八字。</translation>
    </message>
    <message>
        <source>信息：</source>
        <translation>資訊：</translation>
    </message>
    <message>
        <source>条件数：%1  符合数：%2</source>
        <translation>條件數：%1  符合數：%2</translation>
    </message>
    <message>
        <source>结果已过时</source>
        <translation>結果已過時</translation>
    </message>
</context>
<context>
    <name>bazi::ui::MainForm</name>
    <message>
        <source>改日期</source>
        <translation>改日期</translation>
    </message>
    <message>
        <source>改条件</source>
        <translation>改條件</translation>
    </message>
    <message>
        <source>日期：</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>推算</source>
        <translation>推算</translation>
    </message>
    <message>
        <source>查找该日及前两天（共 36 个时辰）中八字符合全部条件的时辰（Enter 或 F5）</source>
        <translation>查詢該日及前兩天（共 36 個時辰）中八字符合全部條件的時辰（Enter 或 F5）</translation>
    </message>
    <message>
        <source>软件说明</source>
        <translation>軟體說明</translation>
    </message>
    <message>
        <source>用途、结果怎样读、快捷键（F1）</source>
        <translation>用途、結果怎樣讀、快捷鍵（F1）</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>撤銷</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>清除本页条件</source>
        <translation>清除本頁條件</translation>
    </message>
    <message>
        <source>清除全部条件</source>
        <translation>清除全部條件</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>结果已过时：条件或日期已改动，请按“推算”重新查询</source>
        <translation>結果已過時：條件或日期已改動，請按“推算”重新查詢</translation>
    </message>
    <message>
        <source>日期“%1”无法使用：%2</source>
        <translation>日期“%1”無法使用：%2</translation>
    </message>
    <message>
        <source>撤销：%1</source>
        <translation>撤銷：%1</translation>
    </message>
    <message>
        <source>重做：%1</source>
        <translation>重做：%1</translation>
    </message>
    <message>
        <source>结果已过时：时间设置已改动，请按“推算”重新查询</source>
        <translation>結果已過時：時間設定已改動，請按“推算”重新查詢</translation>
    </message>
    <message>
        <source>%1 的钟表时间 %2 落在日历范围（1800 至 2200 年）之外，无法查询；请换一个日期</source>
        <translation>%1 的鐘錶時間 %2 落在日曆範圍（1800 至 2200 年）之外，無法查詢；請換一個日期</translation>
    </message>
</context>
<context>
    <name>bazi::ui::MainWindow</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>打开(&amp;O)…</source>
        <translation>開啟(&amp;O)…</translation>
    </message>
    <message>
        <source>最近打开(&amp;R)</source>
        <translation>最近開啟(&amp;R)</translation>
    </message>
    <message>
        <source>清除列表</source>
        <translation>清除列表</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>另存為(&amp;A)…</translation>
    </message>
    <message>
        <source>导出结果为 CSV…</source>
        <translation>匯出結果為 CSV…</translation>
    </message>
    <message>
        <source>导出结果为 JSON…</source>
        <translation>匯出結果為 JSON…</translation>
    </message>
    <message>
        <source>打印结果(&amp;P)…</source>
        <translation>列印結果(&amp;P)…</translation>
    </message>
    <message>
        <source>结果保存为 PDF…</source>
        <translation>結果儲存為 PDF…</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>复制所选结果(&amp;C)</source>
        <translation>複製所選結果(&amp;C)</translation>
    </message>
    <message>
        <source>查询(&amp;Q)</source>
        <translation>查詢(&amp;Q)</translation>
    </message>
    <message>
        <source>查看八字</source>
        <translation>檢視八字</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>幫助(&amp;H)</translation>
    </message>
    <message>
        <source>软件说明(&amp;D)</source>
        <translation>軟體說明(&amp;D)</translation>
    </message>
    <message>
        <source>关于 bazi-seek(&amp;A)</source>
        <translation>關於 bazi-seek(&amp;A)</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>%1[*] — %2</source>
        <translation>%1[*] — %2</translation>
    </message>
    <message>
        <source>已打开 %1</source>
        <translation>已開啟 %1</translation>
    </message>
    <message>
        <source>已保存 %1</source>
        <translation>已儲存 %1</translation>
    </message>
    <message>
        <source>打开条件文件</source>
        <translation>開啟條件檔案</translation>
    </message>
    <message>
        <source>条件文件 (*.json);;所有文件 (*)</source>
        <translation>條件檔案 (*.json);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>条件.json</source>
        <translation>條件.json</translation>
    </message>
    <message>
        <source>保存条件文件</source>
        <translation>儲存條件檔案</translation>
    </message>
    <message>
        <source>条件文件 (*.json)</source>
        <translation>條件檔案 (*.json)</translation>
    </message>
    <message>
        <source>条件已改动，尚未保存。要保存吗？</source>
        <translation>條件已改動，尚未儲存。要儲存嗎？</translation>
    </message>
    <message>
        <source>不保存，改动的条件就会丢失。</source>
        <translation>不儲存，改動的條件就會丟失。</translation>
    </message>
    <message>
        <source>文件：%1</source>
        <translation>檔案：%1</translation>
    </message>
    <message>
        <source>关于 bazi-seek</source>
        <translation>關於 bazi-seek</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;按八字条件找时间的桌面与命令行工具：为择时找出合条件的时辰，或为不确定的出生时间寻找可能的时辰。&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;按八字條件找時間的桌面與命令列工具：為擇時找出合條件的時辰，或為不確定的出生時間尋找可能的時辰。&lt;/p&gt;&lt;p&gt;Qt %2&lt;/p&gt;</translation>
    </message>
    <message>
        <source>推算（三天）</source>
        <translation>推算（三天）</translation>
    </message>
    <message>
        <source>设日期和条件，查该日及前两天的 36 个时辰</source>
        <translation>設日期和條件，查該日及前兩天的 36 個時辰</translation>
    </message>
    <message>
        <source>时间范围</source>
        <translation>時間範圍</translation>
    </message>
    <message>
        <source>在任意一段时间里找符合条件的时段，精确到秒（条件同“推算”页）</source>
        <translation>在任意一段時間裡找符合條件的時段，精確到秒（條件同“推算”頁）</translation>
    </message>
    <message>
        <source>八字反查</source>
        <translation>八字反查</translation>
    </message>
    <message>
        <source>由四柱找出有这个八字的所有时段</source>
        <translation>由四柱找出有這個八字的所有時段</translation>
    </message>
    <message>
        <source>时间设置(&amp;T)…</source>
        <translation>時間設定(&amp;T)…</translation>
    </message>
    <message>
        <source>时区、出生地、真太阳时、晚子时：所有结果按此读</source>
        <translation>時區、出生地、真太陽時、晚子時：所有結果按此讀</translation>
    </message>
    <message>
        <source>上次的时间设置无法使用（%1），现按日历的默认时间基准</source>
        <translation>上次的時間設定無法使用（%1），現按日曆的預設時間基準</translation>
    </message>
    <message>
        <source>时间基准：%1</source>
        <translation>時間基準：%1</translation>
    </message>
    <message>
        <source>所有结果都按这个时间基准读；在“查询 → 时间设置…”（Ctrl+T）中更改</source>
        <translation>所有結果都按這個時間基準讀；在“查詢 → 時間設定…”（Ctrl+T）中更改</translation>
    </message>
</context>
<context>
    <name>bazi::ui::MonthCalendar</name>
    <message>
        <source>yyyy年M月</source>
        <translation>yyyy年M月</translation>
    </message>
    <message>
        <source>上一年</source>
        <translation>上一年</translation>
    </message>
    <message>
        <source>上个月</source>
        <translation>上個月</translation>
    </message>
    <message>
        <source>下个月</source>
        <translation>下個月</translation>
    </message>
    <message>
        <source>下一年</source>
        <translation>下一年</translation>
    </message>
</context>
<context>
    <name>bazi::ui::QueryResultModel</name>
    <message>
        <source>公历时间</source>
        <translation>公曆時間</translation>
    </message>
    <message>
        <source>农历时间</source>
        <translation>農曆時間</translation>
    </message>
    <message>
        <source>八字</source>
        <translation>八字</translation>
    </message>
    <message>
        <source>%1年%2月%3日</source>
        <translation>%1年%2月%3日</translation>
    </message>
    <message>
        <source>%1时%2分%3秒</source>
        <translation>%1時%2分%3秒</translation>
    </message>
    <message>
        <source>%1时%2分</source>
        <translation>%1時%2分</translation>
    </message>
    <message>
        <source>%1时</source>
        <translation>%1時</translation>
    </message>
    <message>
        <source>%1年 闰%2月 初%3</source>
        <translation>%1年 閏%2月 初%3</translation>
    </message>
    <message>
        <source>%1年 %2月 初%3</source>
        <translation>%1年 %2月 初%3</translation>
    </message>
    <message>
        <source>双击或按 Enter 查看这一时刻的八字</source>
        <translation>雙擊或按 Enter 檢視這一時刻的八字</translation>
    </message>
    <message>
        <source>查询结果：%1 及前两天（%2）</source>
        <translation>查詢結果：%1 及前兩天（%2）</translation>
    </message>
    <message>
        <source> 推算</source>
        <translation> 推算</translation>
    </message>
    <message>
        <source>UTC 偏移</source>
        <translation>UTC 偏移</translation>
    </message>
    <message>
        <source>日柱、时柱按</source>
        <translation>日柱、時柱按</translation>
    </message>
    <message>
        <source>时间基准：%1</source>
        <translation>時間基準：%1</translation>
    </message>
</context>
<context>
    <name>bazi::ui::RangeSearchPage</name>
    <message>
        <source>条件：尚未设置（在“推算”页的条件页中设置）</source>
        <translation>條件：尚未設定（在“推算”頁的條件頁中設定）</translation>
    </message>
    <message>
        <source>条件：%1</source>
        <translation>條件：%1</translation>
    </message>
    <message>
        <source>日期“%1”无法使用：%2</source>
        <translation>日期“%1”無法使用：%2</translation>
    </message>
    <message>
        <source>结束日期 %1 早于开始日期 %2</source>
        <translation>結束日期 %1 早於開始日期 %2</translation>
    </message>
    <message>
        <source>请至少选一个时辰</source>
        <translation>請至少選一個時辰</translation>
    </message>
    <message>
        <source>搜索中…</source>
        <translation>搜尋中…</translation>
    </message>
    <message>
        <source>搜索失败</source>
        <translation>搜尋失敗</translation>
    </message>
    <message>
        <source>条件数：%1  符合时段数：%2</source>
        <translation>條件數：%1  符合時段數：%2</translation>
    </message>
    <message>
        <source>时间范围：%1 至 %2（%3）</source>
        <translation>時間範圍：%1 至 %2（%3）</translation>
    </message>
    <message>
        <source>已取消：此前找到 %1 个时段</source>
        <translation>已取消：此前找到 %1 個時段</translation>
    </message>
    <message>
        <source>%1：范围内没有符合条件的时段</source>
        <translation>%1：範圍內沒有符合條件的時段</translation>
    </message>
    <message>
        <source>%1，表中列出前 %2 个</source>
        <translation>%1，表中列出前 %2 個</translation>
    </message>
    <message>
        <source>这个时辰的时段不在表中列出的前 %1 个之内</source>
        <translation>這個時辰的時段不在表中列出的前 %1 個之內</translation>
    </message>
    <message>
        <source>这个时辰没有符合条件的时段</source>
        <translation>這個時辰沒有符合條件的時段</translation>
    </message>
    <message>
        <source>从：</source>
        <translation>從：</translation>
    </message>
    <message>
        <source>至：</source>
        <translation>至：</translation>
    </message>
    <message>
        <source>时辰：</source>
        <translation>時辰：</translation>
    </message>
    <message>
        <source>%1时：%2:00 至 %3:00</source>
        <translation>%1時：%2:00 至 %3:00</translation>
    </message>
    <message>
        <source>全天</source>
        <translation>全天</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>在这段时间里找八字符合全部条件的时段，精确到秒；条件在“推算”页的条件页中设置</source>
        <translation>在這段時間裡找八字符合全部條件的時段，精確到秒；條件在“推算”頁的條件頁中設定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>修改条件…</source>
        <translation>修改條件…</translation>
    </message>
    <message>
        <source>符合条件的时段</source>
        <translation>符合條件的時段</translation>
    </message>
    <message>
        <source>为何符合</source>
        <translation>為何符合</translation>
    </message>
    <message>
        <source>所选日期在这个时区的钟表上落在日历范围之外</source>
        <translation>所選日期在這個時區的鐘錶上落在日曆範圍之外</translation>
    </message>
    <message>
        <source>时间基准：%1</source>
        <translation>時間基準：%1</translation>
    </message>
    <message>
        <source>结果已过时：条件或时间设置已改动，请重新搜索</source>
        <translation>結果已過時：條件或時間設定已改動，請重新搜尋</translation>
    </message>
</context>
<context>
    <name>bazi::ui::ResultView</name>
    <message>
        <source>查看八字</source>
        <translation>檢視八字</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>导出为 CSV…</source>
        <translation>匯出為 CSV…</translation>
    </message>
    <message>
        <source>导出为 JSON…</source>
        <translation>匯出為 JSON…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>列印…</translation>
    </message>
    <message>
        <source>保存为 PDF…</source>
        <translation>儲存為 PDF…</translation>
    </message>
    <message>
        <source>双击一行或按 Enter 查看它的八字；右键可复制、导出、打印</source>
        <translation>雙擊一行或按 Enter 檢視它的八字；右鍵可複製、匯出、列印</translation>
    </message>
    <message>
        <source>导出为 CSV</source>
        <translation>匯出為 CSV</translation>
    </message>
    <message>
        <source>导出为 JSON</source>
        <translation>匯出為 JSON</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>JSON 文件 (*.json)</source>
        <translation>JSON 檔案 (*.json)</translation>
    </message>
    <message>
        <source>信息：</source>
        <translation>資訊：</translation>
    </message>
    <message>
        <source>无法写入文件“%1”：%2</source>
        <translation>無法寫入檔案“%1”：%2</translation>
    </message>
    <message>
        <source>保存为 PDF</source>
        <translation>儲存為 PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>无法写入文件“%1”。</source>
        <translation>無法寫入檔案“%1”。</translation>
    </message>
</context>
<context>
    <name>bazi::ui::SpanExplain</name>
    <message>
        <source>%1：%2 %3 %4</source>
        <translation>%1：%2 %3 %4</translation>
    </message>
    <message>
        <source>为何符合</source>
        <translation>為何符合</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>條件</translation>
    </message>
    <message>
        <source>要求</source>
        <translation>要求</translation>
    </message>
    <message>
        <source>找到</source>
        <translation>找到</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>數量</translation>
    </message>
    <message>
        <source>所在位置</source>
        <translation>所在位置</translation>
    </message>
</context>
<context>
    <name>bazi::ui::SpanResultModel</name>
    <message>
        <source>节气交接</source>
        <translation>節氣交接</translation>
    </message>
    <message>
        <source>子时换日</source>
        <translation>子時換日</translation>
    </message>
    <message>
        <source>时辰交接</source>
        <translation>時辰交接</translation>
    </message>
    <message>
        <source>查询范围</source>
        <translation>查詢範圍</translation>
    </message>
    <message>
        <source>时段</source>
        <translation>時段</translation>
    </message>
    <message>
        <source> 推算</source>
        <translation> 推算</translation>
    </message>
    <message>
        <source>双击或按 Enter 查看这一时段的八字</source>
        <translation>雙擊或按 Enter 檢視這一時段的八字</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>八字</source>
        <translation>八字</translation>
    </message>
    <message>
        <source>农历</source>
        <translation>農曆</translation>
    </message>
    <message>
        <source>起因/止因</source>
        <translation>起因/止因</translation>
    </message>
    <message>
        <source>日柱、时柱按</source>
        <translation>日柱、時柱按</translation>
    </message>
</context>
<context>
    <name>bazi::ui::Terms</name>
    <message>
        <source>不指定</source>
        <translation>不指定</translation>
    </message>
    <message>
        <source>金</source>
        <translation>金</translation>
    </message>
    <message>
        <source>水</source>
        <translation>水</translation>
    </message>
    <message>
        <source>木</source>
        <translation>木</translation>
    </message>
    <message>
        <source>火</source>
        <translation>火</translation>
    </message>
    <message>
        <source>土</source>
        <translation>土</translation>
    </message>
    <message>
        <source>甲</source>
        <translation>甲</translation>
    </message>
    <message>
        <source>乙</source>
        <translation>乙</translation>
    </message>
    <message>
        <source>丙</source>
        <translation>丙</translation>
    </message>
    <message>
        <source>丁</source>
        <translation>丁</translation>
    </message>
    <message>
        <source>戊</source>
        <translation>戊</translation>
    </message>
    <message>
        <source>己</source>
        <translation>己</translation>
    </message>
    <message>
        <source>庚</source>
        <translation>庚</translation>
    </message>
    <message>
        <source>辛</source>
        <translation>辛</translation>
    </message>
    <message>
        <source>壬</source>
        <translation>壬</translation>
    </message>
    <message>
        <source>癸</source>
        <translation>癸</translation>
    </message>
    <message>
        <source>子</source>
        <translation>子</translation>
    </message>
    <message>
        <source>丑</source>
        <translation>丑</translation>
    </message>
    <message>
        <source>寅</source>
        <translation>寅</translation>
    </message>
    <message>
        <source>卯</source>
        <translation>卯</translation>
    </message>
    <message>
        <source>辰</source>
        <translation>辰</translation>
    </message>
    <message>
        <source>巳</source>
        <translation>巳</translation>
    </message>
    <message>
        <source>午</source>
        <translation>午</translation>
    </message>
    <message>
        <source>未</source>
        <translation>未</translation>
    </message>
    <message>
        <source>申</source>
        <translation>申</translation>
    </message>
    <message>
        <source>酉</source>
        <translation>酉</translation>
    </message>
    <message>
        <source>戌</source>
        <translation>戌</translation>
    </message>
    <message>
        <source>亥</source>
        <translation>亥</translation>
    </message>
    <message>
        <source>正印</source>
        <translation>正印</translation>
    </message>
    <message>
        <source>偏印</source>
        <translation>偏印</translation>
    </message>
    <message>
        <source>正官</source>
        <translation>正官</translation>
    </message>
    <message>
        <source>偏官</source>
        <translation>偏官</translation>
    </message>
    <message>
        <source>正财</source>
        <translation>正財</translation>
    </message>
    <message>
        <source>偏财</source>
        <translation>偏財</translation>
    </message>
    <message>
        <source>伤官</source>
        <translation>傷官</translation>
    </message>
    <message>
        <source>食神</source>
        <translation>食神</translation>
    </message>
    <message>
        <source>比肩</source>
        <translation>比肩</translation>
    </message>
    <message>
        <source>劫财</source>
        <translation>劫財</translation>
    </message>
    <message>
        <source>天乙贵人</source>
        <translation>天乙貴人</translation>
    </message>
    <message>
        <source>天德贵人</source>
        <translation>天德貴人</translation>
    </message>
    <message>
        <source>月德贵人</source>
        <translation>月德貴人</translation>
    </message>
    <message>
        <source>天医</source>
        <translation>天醫</translation>
    </message>
    <message>
        <source>咸池</source>
        <translation>咸池</translation>
    </message>
    <message>
        <source>驿马</source>
        <translation>驛馬</translation>
    </message>
    <message>
        <source>将星</source>
        <translation>將星</translation>
    </message>
    <message>
        <source>华盖</source>
        <translation>華蓋</translation>
    </message>
    <message>
        <source>童子</source>
        <translation>童子</translation>
    </message>
    <message>
        <source>元辰</source>
        <translation>元辰</translation>
    </message>
    <message>
        <source>指背</source>
        <translation>指背</translation>
    </message>
    <message>
        <source>卷舌</source>
        <translation>卷舌</translation>
    </message>
    <message>
        <source>空亡</source>
        <translation>空亡</translation>
    </message>
    <message>
        <source>不固定</source>
        <translation>不固定</translation>
    </message>
    <message>
        <source>年柱</source>
        <translation>年柱</translation>
    </message>
    <message>
        <source>月柱</source>
        <translation>月柱</translation>
    </message>
    <message>
        <source>日柱</source>
        <translation>日柱</translation>
    </message>
    <message>
        <source>时柱</source>
        <translation>時柱</translation>
    </message>
    <message>
        <source>年干</source>
        <translation>年干</translation>
    </message>
    <message>
        <source>年支</source>
        <translation>年支</translation>
    </message>
    <message>
        <source>月干</source>
        <translation>月干</translation>
    </message>
    <message>
        <source>月支</source>
        <translation>月支</translation>
    </message>
    <message>
        <source>日干</source>
        <translation>日干</translation>
    </message>
    <message>
        <source>日支</source>
        <translation>日支</translation>
    </message>
    <message>
        <source>时干</source>
        <translation>時干</translation>
    </message>
    <message>
        <source>时支</source>
        <translation>時支</translation>
    </message>
    <message>
        <source>天干</source>
        <translation>天干</translation>
    </message>
    <message>
        <source>地支</source>
        <translation>地支</translation>
    </message>
    <message>
        <source>非0</source>
        <translation>非0</translation>
    </message>
    <message>
        <source>非1</source>
        <translation>非1</translation>
    </message>
    <message>
        <source>非2</source>
        <translation>非2</translation>
    </message>
    <message>
        <source>非3</source>
        <translation>非3</translation>
    </message>
    <message>
        <source>非4</source>
        <translation>非4</translation>
    </message>
    <message>
        <source>非5</source>
        <translation>非5</translation>
    </message>
    <message>
        <source>非6</source>
        <translation>非6</translation>
    </message>
    <message>
        <source>非7</source>
        <translation>非7</translation>
    </message>
    <message>
        <source>非8</source>
        <translation>非8</translation>
    </message>
    <message>
        <source>亥子巳午阴阳置换</source>
        <translation>亥子巳午陰陽置換</translation>
    </message>
    <message>
        <source>女命</source>
        <translation>女命</translation>
    </message>
    <message>
        <source>男命</source>
        <translation>男命</translation>
    </message>
    <message>
        <source>八字</source>
        <translation>八字</translation>
    </message>
    <message>
        <source>藏干</source>
        <translation>藏干</translation>
    </message>
    <message>
        <source>神煞</source>
        <translation>神煞</translation>
    </message>
    <message>
        <source>小寒</source>
        <translation>小寒</translation>
    </message>
    <message>
        <source>大寒</source>
        <translation>大寒</translation>
    </message>
    <message>
        <source>立春</source>
        <translation>立春</translation>
    </message>
    <message>
        <source>雨水</source>
        <translation>雨水</translation>
    </message>
    <message>
        <source>惊蛰</source>
        <translation>驚蟄</translation>
    </message>
    <message>
        <source>春分</source>
        <translation>春分</translation>
    </message>
    <message>
        <source>清明</source>
        <translation>清明</translation>
    </message>
    <message>
        <source>谷雨</source>
        <translation>穀雨</translation>
    </message>
    <message>
        <source>立夏</source>
        <translation>立夏</translation>
    </message>
    <message>
        <source>小满</source>
        <translation>小滿</translation>
    </message>
    <message>
        <source>芒种</source>
        <translation>芒種</translation>
    </message>
    <message>
        <source>夏至</source>
        <translation>夏至</translation>
    </message>
    <message>
        <source>小暑</source>
        <translation>小暑</translation>
    </message>
    <message>
        <source>大暑</source>
        <translation>大暑</translation>
    </message>
    <message>
        <source>立秋</source>
        <translation>立秋</translation>
    </message>
    <message>
        <source>处暑</source>
        <translation>處暑</translation>
    </message>
    <message>
        <source>白露</source>
        <translation>白露</translation>
    </message>
    <message>
        <source>秋分</source>
        <translation>秋分</translation>
    </message>
    <message>
        <source>寒露</source>
        <translation>寒露</translation>
    </message>
    <message>
        <source>霜降</source>
        <translation>霜降</translation>
    </message>
    <message>
        <source>立冬</source>
        <translation>立冬</translation>
    </message>
    <message>
        <source>小雪</source>
        <translation>小雪</translation>
    </message>
    <message>
        <source>大雪</source>
        <translation>大雪</translation>
    </message>
    <message>
        <source>冬至</source>
        <translation>冬至</translation>
    </message>
    <message>
        <source>龙马鸡猪腊闰惊蛰满种处谷</source>
        <extracomment>The characters of the calendar&apos;s texts, one for one in the language&apos;s script (English keeps them as they are).</extracomment>
        <translation>龍馬雞豬臘閏驚蟄滿種處穀</translation>
    </message>
</context>
<context>
    <name>bazi::ui::TimeSettings</name>
    <message>
        <source>西经 %1°</source>
        <translation>西經 %1°</translation>
    </message>
    <message>
        <source>东经 %1°</source>
        <translation>東經 %1°</translation>
    </message>
    <message>
        <source>UTC+8（固定，无夏令时）</source>
        <translation>UTC+8（固定，無夏令時）</translation>
    </message>
    <message>
        <source>钟表时</source>
        <translation>鐘錶時</translation>
    </message>
    <message>
        <source>标准时（夏令时不计）</source>
        <translation>標準時（夏令時不計）</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>平太阳时（%1）</source>
        <translation>平太陽時（%1）</translation>
    </message>
    <message>
        <source>真太阳时（%1）</source>
        <translation>真太陽時（%1）</translation>
    </message>
    <message>
        <source>晚子时算次日</source>
        <translation>晚子時算次日</translation>
    </message>
    <message>
        <source>晚子时算当日</source>
        <translation>晚子時算當日</translation>
    </message>
    <message>
        <source>时区 %1；日柱、时柱按%2；%3</source>
        <translation>時區 %1；日柱、時柱按%2；%3</translation>
    </message>
    <message>
        <source>“%1”不是时区数据库中的时区：请从列表中选，例如 Asia/Shanghai、America/New_York</source>
        <translation>“%1”不是時區資料庫中的時區：請從列表中選，例如 Asia/Shanghai、America/New_York</translation>
    </message>
    <message>
        <source>时区“%1”2037 年以后的规则无法读取：请选相邻的时区</source>
        <translation>時區“%1”2037 年以後的規則無法讀取：請選相鄰的時區</translation>
    </message>
    <message>
        <source>经度须是 -180 到 180 之间的度数，东经为正、西经为负，例如 104.07 或 -74.01</source>
        <translation>經度須是 -180 到 180 之間的度數，東經為正、西經為負，例如 104.07 或 -74.01</translation>
    </message>
    <message>
        <source>平太阳时、真太阳时要知道出生地：请查找地点或填写经度</source>
        <translation>平太陽時、真太陽時要知道出生地：請查詢地點或填寫經度</translation>
    </message>
    <message>
        <source>平太阳时 %1</source>
        <translation>平太陽時 %1</translation>
    </message>
    <message>
        <source>真太阳时 %1</source>
        <translation>真太陽時 %1</translation>
    </message>
    <message>
        <source>标准时 %1</source>
        <translation>標準時 %1</translation>
    </message>
</context>
<context>
    <name>bazi::ui::TimeSettingsDialog</name>
    <message>
        <source>时间基准：%1</source>
        <translation>時間基準：%1</translation>
    </message>
    <message>
        <source>时间基准：（请先改正上面标红的设置）</source>
        <translation>時間基準：（請先改正上面標紅的設定）</translation>
    </message>
    <message>
        <source>出生地：%1</source>
        <translation>出生地：%1</translation>
    </message>
    <message>
        <source>出生地：按所填经度</source>
        <translation>出生地：按所填經度</translation>
    </message>
    <message>
        <source>出生地：未选（只有平太阳时、真太阳时需要）</source>
        <translation>出生地：未選（只有平太陽時、真太陽時需要）</translation>
    </message>
    <message>
        <source>地名库无法使用：%1</source>
        <translation>地名庫無法使用：%1</translation>
    </message>
    <message>
        <source>没有找到“%1”：试试中文或英文地名，例如 成都、New York</source>
        <translation>沒有找到“%1”：試試中文或英文地名，例如 成都、New York</translation>
    </message>
    <message>
        <source>西经 %1°</source>
        <translation>西經 %1°</translation>
    </message>
    <message>
        <source>东经 %1°</source>
        <translation>東經 %1°</translation>
    </message>
    <message>
        <source>%1  %2  时区 %3</source>
        <translation>%1  %2  時區 %3</translation>
    </message>
    <message>
        <source>时间设置</source>
        <translation>時間設定</translation>
    </message>
    <message>
        <source>钟表时区</source>
        <translation>鐘錶時區</translation>
    </message>
    <message>
        <source>东八区固定时间 UTC+8（日历默认，无夏令时）(&amp;U)</source>
        <translation>東八區固定時間 UTC+8（日曆預設，無夏令時）(&amp;U)</translation>
    </message>
    <message>
        <source>时区(&amp;Z)：</source>
        <translation>時區(&amp;Z)：</translation>
    </message>
    <message>
        <source>时区数据库中的名称，如 Asia/Shanghai（含 1986–1991 年夏令时）、America/New_York；输入名称的任一部分即可查找</source>
        <translation>時區資料庫中的名稱，如 Asia/Shanghai（含 1986–1991 年夏令時）、America/New_York；輸入名稱的任一部分即可查詢</translation>
    </message>
    <message>
        <source>出生地</source>
        <translation>出生地</translation>
    </message>
    <message>
        <source>查找地点(&amp;P)：</source>
        <translation>查詢地點(&amp;P)：</translation>
    </message>
    <message>
        <source>中文或英文地名，如 成都、乌鲁木齐、London</source>
        <translation>中文或英文地名，如 成都、烏魯木齊、London</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>查詢</translation>
    </message>
    <message>
        <source>单击或按 Enter 选用地点：填入它的经度和钟表时区（中国大陆各地都用北京时间 Asia/Shanghai）</source>
        <translation>單擊或按 Enter 選用地點：填入它的經度和鐘錶時區（中國大陸各地都用北京時間 Asia/Shanghai）</translation>
    </message>
    <message>
        <source>经度(&amp;L)：</source>
        <translation>經度(&amp;L)：</translation>
    </message>
    <message>
        <source>度，东经为正、西经为负，如 104.07</source>
        <translation>度，東經為正、西經為負，如 104.07</translation>
    </message>
    <message>
        <source>日柱、时柱按</source>
        <translation>日柱、時柱按</translation>
    </message>
    <message>
        <source>钟表时间(&amp;C)</source>
        <translation>鐘錶時間(&amp;C)</translation>
    </message>
    <message>
        <source>按所选时区的标准时：夏令时的一小时不计</source>
        <translation>按所選時區的標準時：夏令時的一小時不計</translation>
    </message>
    <message>
        <source>平太阳时(&amp;M)</source>
        <translation>平太陽時(&amp;M)</translation>
    </message>
    <message>
        <source>出生地的地方平时：UTC 加经度每度 4 分钟</source>
        <translation>出生地的地方平時：UTC 加經度每度 4 分鐘</translation>
    </message>
    <message>
        <source>真太阳时(&amp;T)</source>
        <translation>真太陽時(&amp;T)</translation>
    </message>
    <message>
        <source>平太阳时加均时差：日晷上的时间</source>
        <translation>平太陽時加均時差：日晷上的時間</translation>
    </message>
    <message>
        <source>晚子时（23:00–24:00）</source>
        <translation>晚子時（23:00–24:00）</translation>
    </message>
    <message>
        <source>晚子时算次日：23 时换日(&amp;N)</source>
        <translation>晚子時算次日：23 時換日(&amp;N)</translation>
    </message>
    <message>
        <source>晚子时算当日：0 时换日(&amp;S)</source>
        <translation>晚子時算當日：0 時換日(&amp;S)</translation>
    </message>
    <message>
        <source>23 时至 24 时仍用当天的日柱，时柱取次日的子时柱</source>
        <translation>23 時至 24 時仍用當天的日柱，時柱取次日的子時柱</translation>
    </message>
    <message>
        <source>夏令时结束、钟表拨回时重复出现的钟点，按第一次（夏令时）读。</source>
        <translation>夏令時結束、鐘錶撥回時重複出現的鐘點，按第一次（夏令時）讀。</translation>
    </message>
    <message>
        <source>恢复默认(&amp;R)</source>
        <translation>恢復預設(&amp;R)</translation>
    </message>
    <message>
        <source>回到日历的默认：东八区固定时间，按钟表时间，晚子时算次日</source>
        <translation>回到日曆的預設：東八區固定時間，按鐘錶時間，晚子時算次日</translation>
    </message>
</context>
</TS>
