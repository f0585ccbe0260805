<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>Dellamy</name>
    <message>
        <source>“%1”不是一个 IP 地址。</source>
        <translation>&quot;%1&quot; is not an IP address.</translation>
    </message>
    <message>
        <source>选项 %1 缺少取值。</source>
        <translation>Option %1 needs a value.</translation>
    </message>
    <message>
        <source>抽取窗口不认识选项“%1”。</source>
        <translation>The drawing window does not know the option &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>本机没有局域网地址，无法开启手机遥控；可用 --remote 地址 指定一个。</source>
        <translation>This computer has no local network address, so the phone remote cannot start; name one with --remote ADDRESS.</translation>
    </message>
    <message>
        <source>用法：Dellamy [--project 工程名] --remote [地址] [--appdir 目录]</source>
        <translation>Usage: Dellamy [--project NAME] --remote [ADDRESS] [--appdir FOLDER]</translation>
    </message>
    <message>
        <source>工程“%1”不存在。</source>
        <translation>The project &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>工程名称“%1”无效：不能为空，也不能含有路径分隔符、“..”或文件名不允许的字符。</source>
        <translation>The project name &quot;%1&quot; is not valid: it may not be empty, and may not hold path separators, &quot;..&quot; or characters a file name cannot hold.</translation>
    </message>
    <message>
        <source>工程文件“%1”不存在。</source>
        <translation>The project file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>访问密码错误，工程“%1”未打开。
</source>
        <translation>Wrong access password; the project &quot;%1&quot; was not opened.
</translation>
    </message>
    <message>
        <source>工程“%1”已加密，请用 --password 给出访问密码。
</source>
        <translation>The project &quot;%1&quot; is protected by a password; give the access password with --password.
</translation>
    </message>
    <message>
        <source>内存不足，无法读取工程文件。
</source>
        <translation>Not enough memory to read the project file.
</translation>
    </message>
    <message>
        <source>--file 的路径不能为空。</source>
        <translation>The path of --file may not be empty.</translation>
    </message>
    <message>
        <source>--batches 应为 1 到 %1 之间的整数，现在是“%2”。</source>
        <translation>--batches must be a whole number from 1 to %1, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--seed 应为非负整数，现在是“%1”。</source>
        <translation>--seed must be a whole number of 0 or more, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>应用目录“%1”不存在。</source>
        <translation>The application folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>--since 应为日期，如 2026/12/7，现在是“%1”。</source>
        <translation>--since must be a date such as 2026/12/7, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--draws 应为 1 到 %1 之间的整数，现在是“%2”。</source>
        <translation>--draws must be a whole number from 1 to %1, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--cert 的路径不能为空。</source>
        <translation>The path of --cert may not be empty.</translation>
    </message>
    <message>
        <source>无法识别的参数“%1”。</source>
        <translation>Unknown argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--verify 和 --reveal 只能用其中一个。</source>
        <translation>Use only one of --verify and --reveal.</translation>
    </message>
    <message>
        <source>--verify 和 --reveal 只能与 --json 一起使用。</source>
        <translation>--verify and --reveal go only with --json.</translation>
    </message>
    <message>
        <source>--public 和 --cert 只能与 --verifiable 一起使用。</source>
        <translation>--public and --cert go only with --verifiable.</translation>
    </message>
    <message>
        <source>--verifiable 不能与 --seed 同时使用：可验证抽取的种子由系统生成，抽取后才公开。</source>
        <translation>--verifiable cannot go with --seed: the seed of a verifiable draw comes from the system and is revealed only after the draw.</translation>
    </message>
    <message>
        <source>--history 不能与 --project 或 --file 同时使用。</source>
        <translation>--history cannot go with --project or --file.</translation>
    </message>
    <message>
        <source>--simulate 不能与 --project、--file 或 --verifiable 同时使用。</source>
        <translation>--simulate cannot go with --project, --file or --verifiable.</translation>
    </message>
    <message>
        <source>--simulate 需要用 --draws N 给出模拟的抽取次数。</source>
        <translation>--simulate needs --draws N, the number of draws to simulate.</translation>
    </message>
    <message>
        <source>--draws 只能与 --simulate 一起使用。</source>
        <translation>--draws goes only with --simulate.</translation>
    </message>
    <message>
        <source>--since 只能与 --history 一起使用。</source>
        <translation>--since goes only with --history.</translation>
    </message>
    <message>
        <source>请用 --project 或 --file 指定一个工程（只能指定其中一个）。</source>
        <translation>Name one project with --project or --file (only one of them).</translation>
    </message>
    <message>
        <source>软件权限不足：%1
</source>
        <translation>Insufficient rights: %1
</translation>
    </message>
    <message>
        <source>无法读取 Soft.ini，按默认设置抽取：%1
</source>
        <translation>Soft.ini cannot be read; drawing with the default settings: %1
</translation>
    </message>
    <message>
        <source>承诺：%1
指纹：%2（请在抽取前公布此指纹）

</source>
        <translation>Commitment: %1
Fingerprint: %2 (publish this fingerprint before the draw)

</translation>
    </message>
    <message>
        <source>内存不足，无法完成抽取。请减少生成数量或抽取次数。</source>
        <translation>Not enough memory to finish the draw. Draw fewer results or fewer times.</translation>
    </message>
    <message>
        <source>--json 输出最多容纳 %1 个结果，%2 次抽取每次 %3 个超出了上限。请减少 --batches，或不用 --json（逐批输出）。</source>
        <translation>--json output holds at most %1 results; %2 draws of %3 each are more than that. Lower --batches, or leave out --json (output draw by draw).</translation>
    </message>
    <message>
        <source>可验证抽取的结果只能取决于证书，“%1”抽取按“普通”方式进行。
</source>
        <translation>The results of a verifiable draw may depend on the certificate alone, so the &quot;%1&quot; draw is made the plain way.
</translation>
    </message>
    <message>
        <source>第 %1 次抽取后本轮结束，新一轮开始
</source>
        <translation>The round ended after draw %1; a new round begins
</translation>
    </message>
    <message>
        <source>
证书：%1</source>
        <translation>
Certificate: %1</translation>
    </message>
    <message>
        <source>已抽取 %1 次后名单剩余数量不足，且 Soft.ini 未设置自动重置名单（[Rand] ListAutoRestore），抽取停止。
</source>
        <translation>After %1 draws the list has too few entries left, and Soft.ini does not restore the list by itself ([Rand] ListAutoRestore); drawing stopped.
</translation>
    </message>
    <message>
        <source>没有工程“%1”的抽取历史（工程名不对，或它还没有抽取过）。
</source>
        <translation>There is no draw history of the project &quot;%1&quot; (the name is wrong, or it has not been drawn yet).
</translation>
    </message>
    <message>
        <source>。以上不是完整的历史。
</source>
        <translation>. The history above is not complete.
</translation>
    </message>
    <message>
        <source>无法识别的参数“%1”。用法：Dellamy --float [--project 工程名] [--appdir 目录]</source>
        <translation>Unknown argument &quot;%1&quot;. Usage: Dellamy --float [--project NAME] [--appdir FOLDER]</translation>
    </message>
    <message>
        <source>缺少导出函数 %1</source>
        <translation>the export %1 is missing</translation>
    </message>
    <message>
        <source>找不到窗口库 %1（%2），无法打开抽取窗口。请重新安装本软件。
</source>
        <translation>The window library %1 cannot be found (%2), so the drawing window cannot open. Please install the software again.
</translation>
    </message>
    <message>
        <source>工程“%1”没有设置公平抽取的名单项目，无法做公平性检验。</source>
        <translation>The project &quot;%1&quot; has no list item drawn fairly, so it has no fairness check.</translation>
    </message>
    <message>
        <source>工程“%1”有多个公平抽取的名单项目（%2），请用 --item 指定其中一个。</source>
        <translation>The project &quot;%1&quot; has several list items drawn fairly (%2); name one of them with --item.</translation>
    </message>
    <message>
        <source>工程“%1”中没有设置公平抽取的名单项目“%2”。</source>
        <translation>The project &quot;%1&quot; has no list item &quot;%2&quot; drawn fairly.</translation>
    </message>
    <message>
        <source>--item 只用于自定义工程的名单项目，工程“%1”不是自定义工程。</source>
        <translation>--item names a list item of a custom project; the project &quot;%1&quot; is not a custom project.</translation>
    </message>
    <message>
        <source>工程“%1”不是从名单中抽取（点名、排序、单词、单奖项抽奖），无法做公平性检验。</source>
        <translation>The project &quot;%1&quot; does not draw from a list (roll-call, random order, words, lottery with one prize), so it has no fairness check.</translation>
    </message>
    <message>
        <source>用法：%1 (--project 工程名 | --file 路径) [--batches N] [--seed S] [--json]
      %2 [--password 密码] [--appdir 目录] [--no-history]
      %1 --history 工程名 [--since 日期] [--json] [--appdir 目录]
      %1 --simulate 工程名 [--item 名单项目] --draws N [--seed S] [--json] [--appdir 目录]
      %1 (--project 工程名 | --file 路径) --verifiable [--public 文字] [--cert 文件] …
      %1 --verify 证书.zcert [--json]
      %1 --reveal 证书.zcert [--json]
      %1 --float [--project 工程名] [--appdir 目录]
不带参数启动时打开抽取窗口；带参数时不显示窗口，直接抽取并输出结果。
  --project 工程名  抽取数据文件夹中的 Data/Projects/工程名.rpj
  --file 路径       抽取指定的工程文件（.rpj、.rproj 或 XML 工程文档）
  --batches N       连续抽取 N 次（默认 1），已抽走的名单项不会再次抽到
  --seed S          用种子 S（非负整数）抽取，相同种子得到相同结果
  --json            以 JSON 输出：{&quot;project&quot;: …, &quot;type&quot;: 类型号, &quot;batches&quot;: [[…], …]}
  --password 密码   受密码保护的工程的访问密码
  --appdir 目录     以该目录作为数据文件夹（工程、Soft.ini）
  --no-history      本次抽取不记入抽取历史（Data/history.db）
  --simulate 工程名 公平性检验：按工程的公平抽取设置从今天的历史出发模拟抽取，
                    列出每项的期望与模拟次数、最长间隔、χ² 与 p 值（不写入任何记录）
  --item 名单项目   自定义工程中要检验的名单项目（只有一个名单项目公平抽取时可省略）
  --draws N         模拟的抽取次数
  --history 工程名  按时间顺序列出该工程的抽取历史，每次抽取一行
  --since 日期      只列出该日（如 2026/12/7）及以后的抽取
  --verifiable      可验证抽取：先输出承诺和指纹，抽取后写出公开种子的证书并输出其路径
  --public 文字     可验证抽取时加入的公开随机数（如当天公布的彩票号码）
  --cert 文件       证书写到该文件（默认写到数据文件夹的 Certificates/ 下）
  --verify 证书     重算证书中的承诺和每一次抽取，输出“一致”或“不一致”及第一处差异
  --reveal 证书     公开未结束的证书所留下的种子（在主持抽取的电脑上），然后验证
  --float           显示悬浮抽取按钮（默认工程为抽取窗口的默认工程）
  --help            显示本说明
每行输出一个结果，两次抽取之间空一行。
退出码：0 成功，2 参数有误，3 工程不存在或无法读取，4 工程参数无法抽取，
        5 名单已抽完且未设置自动重置名单，6 访问密码错误，7 数据文件夹无法创建或写入；
        --verify 和 --reveal：0 一致，1 不一致。
数据文件夹：%3
</source>
        <translation>Usage: %1 (--project NAME | --file PATH) [--batches N] [--seed S] [--json]
      %2 [--password PASSWORD] [--appdir FOLDER] [--no-history]
      %1 --history NAME [--since DATE] [--json] [--appdir FOLDER]
      %1 --simulate NAME [--item ITEM] --draws N [--seed S] [--json] [--appdir FOLDER]
      %1 (--project NAME | --file PATH) --verifiable [--public TEXT] [--cert FILE] …
      %1 --verify CERTIFICATE.zcert [--json]
      %1 --reveal CERTIFICATE.zcert [--json]
      %1 --float [--project NAME] [--appdir FOLDER]
Without arguments the drawing window opens; with arguments no window is shown: the draw is made and its results printed.
  --project NAME    draw Data/Projects/NAME.rpj of the data folder
  --file PATH       draw the given project file (.rpj, .rproj or an XML project document)
  --batches N       draw N times in a row (default 1); entries drawn are not drawn again
  --seed S          draw with the seed S (a whole number of 0 or more); the same seed gives the same results
  --json            print JSON: {&quot;project&quot;: …, &quot;type&quot;: type number, &quot;batches&quot;: [[…], …]}
  --password PASSWORD  the access password of a project protected by one
  --appdir FOLDER   use FOLDER as the data folder (projects, Soft.ini)
  --no-history      leave this draw out of the draw history (Data/history.db)
  --simulate NAME   fairness check: simulate draws from today&apos;s history with the project&apos;s fair-draw settings,
                    listing each entry&apos;s expected and simulated counts, longest gaps, χ² and p value (nothing is written)
  --item ITEM       the list item of a custom project to check (may be left out when only one list item is drawn fairly)
  --draws N         the number of draws to simulate
  --history NAME    list the project&apos;s draw history in time order, one draw a line
  --since DATE      list only the draws of that day (such as 2026/12/7) and later
  --verifiable      verifiable draw: print the commitment and fingerprint first; after the draw write the certificate with the seed revealed and print its path
  --public TEXT     public random numbers taken into a verifiable draw (such as the day&apos;s lottery numbers)
  --cert FILE       write the certificate to FILE (by default under Certificates/ in the data folder)
  --verify CERTIFICATE  recompute the commitment and every draw of the certificate; print whether they are consistent, and the first difference
  --reveal CERTIFICATE  reveal the seed kept for an unfinished certificate (on the computer that drew), then verify
  --float           show the quick-draw button (its project is the drawing window&apos;s default project)
  --help            show this text
One result a line; a blank line between two draws.
Exit status: 0 success, 2 wrong arguments, 3 project missing or unreadable, 4 project cannot be drawn,
        5 list used up and not restored by itself, 6 wrong access password, 7 data folder cannot be made or written;
        --verify and --reveal: 0 consistent, 1 inconsistent.
Data folder: %3
</translation>
    </message>
    <message>
        <source>--item 只能与 --simulate 一起使用。</source>
        <translation>--item can only be used with --simulate.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between item names</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>DrawSession</name>
    <message>
        <source>工程“%1”不存在（%2）。</source>
        <translation>The project &quot;%1&quot; does not exist (%2).</translation>
    </message>
    <message>
        <source>抽取结果未能记入历史：%1</source>
        <translation>The results were not written into the history: %1</translation>
    </message>
</context>
<context>
    <name>FairnessController</name>
    <message>
        <source>新一轮开始</source>
        <translation>A new round begins</translation>
    </message>
    <message>
        <source>重新开始一轮</source>
        <translation>Start a New Round</translation>
    </message>
    <message>
        <source>公平性检验</source>
        <translation>Fairness Check</translation>
    </message>
    <message>
        <source>无法重新抽取</source>
        <translation>Cannot Draw Again</translation>
    </message>
    <message>
        <source>标记未保存</source>
        <translation>Mark Not Saved</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Failed</translation>
    </message>
</context>
<context>
    <name>FrequencyTableModel</name>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>随机数</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>频数</source>
        <translation>Frequency</translation>
    </message>
</context>
<context>
    <name>GlobalKeySource</name>
    <message>
        <source>未设置全局快捷键。</source>
        <translation>No global key is set.</translation>
    </message>
    <message>
        <source>快捷键 %1 不能用作全局快捷键：请用 Ctrl、Alt 或 Shift 加字母、数字或功能键。</source>
        <translation>%1 cannot be a global key: use Ctrl, Alt or Shift with a letter, a digit or a function key.</translation>
    </message>
    <message>
        <source>快捷键 %1 已被其他程序占用，请换一个。</source>
        <translation>Another program holds the key %1; please choose another one.</translation>
    </message>
    <message>
        <source>Wayland 桌面不允许程序自行取得全局快捷键，请点击悬浮按钮抽取。</source>
        <translation>A Wayland desktop does not let programs take a global key; click the floating button to draw.</translation>
    </message>
    <message>
        <source>当前显示平台（%1）不支持全局快捷键，请点击悬浮按钮抽取。</source>
        <translation>This display platform (%1) has no global keys; click the floating button to draw.</translation>
    </message>
</context>
<context>
    <name>HistoryController</name>
    <message>
        <source>朗读抽取结果</source>
        <translation>Speak Results</translation>
    </message>
    <message>
        <source>单击关闭此提示</source>
        <translation>Click to close this notice</translation>
    </message>
    <message>
        <source>历史记录…</source>
        <translation>Draw History…</translation>
    </message>
    <message>
        <source>朗读设置…</source>
        <translation>Speech Settings…</translation>
    </message>
    <message>
        <source>张三，李四</source>
        <translation>Alice, Bob</translation>
    </message>
    <message>
        <source>工程文件没有内容。</source>
        <translation>The project file is empty.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>朗读设置未能保存：%1</source>
        <translation>The speech settings were not saved: %1</translation>
    </message>
    <message>
        <source>%1（不可用）</source>
        <translation>%1 (unavailable)</translation>
    </message>
</context>
<context>
    <name>HistoryCountModel</name>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>次数</source>
        <translation>Count</translation>
    </message>
</context>
<context>
    <name>HistoryDrawModel</name>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>工程</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>次序</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>来源</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Results</translation>
    </message>
</context>
<context>
    <name>QuickDrawBar</name>
    <message>
        <source>无法写入开机启动项 %1：%2</source>
        <translation>The autostart entry %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>无法删除开机启动项 %1：%2</source>
        <translation>The autostart entry %1 cannot be removed: %2</translation>
    </message>
    <message>
        <source>抽取</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>悬浮抽取</source>
        <translation>Quick Draw</translation>
    </message>
    <message>
        <source>无法读取 Soft.ini，按默认设置显示：%1</source>
        <translation>Soft.ini cannot be read; shown with the default settings: %1</translation>
    </message>
    <message>
        <source>名单已全部抽完。再点击一次，名单从头开始。</source>
        <translation>Every name of the list has been drawn. Click again to start the list anew.</translation>
    </message>
    <message>
        <source>没有默认工程。请在右键菜单“切换工程”中选择一个工程。</source>
        <translation>There is no default project. Choose one under &quot;Switch Project&quot; in the context menu.</translation>
    </message>
    <message>
        <source>工程设有访问密码，不能悬浮抽取。请在抽取窗口中输入密码后抽取。</source>
        <translation>The project has an access password, so the quick-draw button cannot draw it. Enter the password in the drawing window and draw there.</translation>
    </message>
    <message>
        <source>工程设为可验证抽取，请在抽取窗口中抽取，以便公布承诺并生成证书。</source>
        <translation>The project makes verifiable draws: draw it in the drawing window, which publishes the commitment and writes the certificate.</translation>
    </message>
    <message>
        <source>工程“%1”无法抽取：%2</source>
        <translation>The project &quot;%1&quot; cannot be drawn: %2</translation>
    </message>
    <message>
        <source>%1：点击抽取，右键打开菜单</source>
        <translation>%1: click to draw, right-click for the menu</translation>
    </message>
    <message>
        <source>
（名单已抽完，下次点击从头开始）</source>
        <translation>
(the list is used up; the next click starts it anew)</translation>
    </message>
    <message>
        <source>切换工程</source>
        <translation>Switch Project</translation>
    </message>
    <message>
        <source>打开抽取窗口</source>
        <translation>Open Drawing Window</translation>
    </message>
    <message>
        <source>透明度</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>显示时长</source>
        <translation>Show Result For</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Start with the Desktop</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>（没有工程）</source>
        <translation>(no projects)</translation>
    </message>
    <message>
        <source>设置未能保存：%1</source>
        <translation>The settings were not saved: %1</translation>
    </message>
    <message>
        <source>全局快捷键：%1…</source>
        <translation>Global Key: %1…</translation>
    </message>
    <message>
        <source>全局快捷键不可用：%1</source>
        <translation>Global key unavailable: %1</translation>
    </message>
    <message>
        <source>全局快捷键</source>
        <translation>Global Key</translation>
    </message>
    <message>
        <source>按下新的快捷键（如 Ctrl+Alt+R）：</source>
        <translation>Press the new key (such as Ctrl+Alt+R):</translation>
    </message>
    <message>
        <source>无法打开抽取窗口：%1</source>
        <translation>The drawing window cannot be opened: %1</translation>
    </message>
    <message>
        <source>无法启动抽取窗口（%1）。</source>
        <translation>The drawing window cannot be started (%1).</translation>
    </message>
</context>
<context>
    <name>QuickDrawResult</name>
    <message>
        <source>点击保留结果，再点击关闭</source>
        <translation>Click to keep the result, click again to close it</translation>
    </message>
</context>
<context>
    <name>RecordController</name>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存随机数记录</source>
        <translation>Save Record</translation>
    </message>
    <message>
        <source>清除换行</source>
        <translation>Remove Line Breaks</translation>
    </message>
    <message>
        <source>批量换行</source>
        <translation>Break Lines</translation>
    </message>
    <message>
        <source>自动换行设置</source>
        <translation>Automatic Line Breaks</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>自动排序设置</source>
        <translation>Automatic Sorting</translation>
    </message>
    <message>
        <source>删除重复项</source>
        <translation>Remove Duplicates</translation>
    </message>
    <message>
        <source>频数统计</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>随机数统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>保存设置失败</source>
        <translation>Settings Not Saved</translation>
    </message>
    <message>
        <source>文本文档 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Not Saved</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>按住鼠标上下拖动可调整数值</source>
        <translation>Drag up or down with the mouse button held to change the number</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>手机遥控…</source>
        <translation>Phone Remote…</translation>
    </message>
    <message>
        <source>手机遥控已停止。再次选择“手机遥控…”可以重新开启（将使用新的二维码）。</source>
        <translation>The phone remote has stopped. Choose &quot;Phone Remote…&quot; again to start it anew (with a new QR code).</translation>
    </message>
    <message>
        <source>手机遥控</source>
        <translation>Phone Remote</translation>
    </message>
    <message>
        <source>开启后，与本机在同一网络中、扫描了二维码的手机可以开始和停止抽取。
本机将在局域网中打开一个端口，直到关闭抽取窗口或选择“停止遥控”。

是否开启手机遥控？</source>
        <translation>Once it is on, a phone on the same network that has scanned the QR code can start and stop the draws.
This computer opens a port on the local network until the drawing window closes or you choose &quot;Stop Remote&quot;.

Turn the phone remote on?</translation>
    </message>
    <message>
        <source>本机没有连接到局域网，找不到可供手机访问的地址。请连接网络（例如 Wi-Fi）后再试。</source>
        <translation>This computer is not on a local network, so there is no address a phone could reach. Connect to a network (such as Wi-Fi) and try again.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between device names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>无法标记缺席，请在电脑上查看。</source>
        <translation>Could not mark absent; please check on the computer.</translation>
    </message>
    <message>
        <source>电脑上有对话框尚未关闭，请先在电脑上处理。</source>
        <translation>A message is open on the computer; please deal with it there first.</translation>
    </message>
    <message>
        <source>抽取窗口已隐藏，请先在电脑上显示它。</source>
        <translation>The drawing window is hidden; please show it on the computer first.</translation>
    </message>
</context>
<context>
    <name>RemoteDialog</name>
    <message>
        <source>手机遥控</source>
        <translation>Phone Remote</translation>
    </message>
    <message>
        <source>用手机扫描二维码，即可在手机上开始和停止抽取。</source>
        <translation>Scan the QR code with a phone to start and stop the draws from it.</translation>
    </message>
    <message>
        <source>手机和电脑必须连接在同一个网络（例如同一个 Wi-Fi）中。</source>
        <translation>The phone and the computer must be on the same network (the same Wi-Fi, for example).</translation>
    </message>
    <message>
        <source>允许多台设备同时遥控</source>
        <translation>&amp;Allow several devices at once</translation>
    </message>
    <message>
        <source>停止遥控</source>
        <translation>&amp;Stop Remote</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>尚无手机连接。</source>
        <translation>No phone is connected yet.</translation>
    </message>
    <message>
        <source>正在遥控：%1</source>
        <translation>Connected: %1</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between device names</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>手机页面地址</source>
        <translation>Phone page address</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>将“%1”标记为缺席，并为该位置重新抽取？</source>
        <translation>Mark “%1” absent and draw that place again?</translation>
    </message>
    <message>
        <source>有人缺席？点他的名字，该位置重新抽取</source>
        <translation>Someone absent? Tap the name to draw that place again</translation>
    </message>
    <message>
        <source>连接已断开，正在重新连接…</source>
        <translation>Connection lost, reconnecting…</translation>
    </message>
    <message>
        <source>按下“开始”抽取</source>
        <translation>Press “Start” to draw</translation>
    </message>
    <message>
        <source>正在连接电脑…</source>
        <translation>Connecting to the computer…</translation>
    </message>
    <message>
        <source>正在连接…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>手机遥控</source>
        <translation>Phone Remote</translation>
    </message>
    <message>
        <source>随机抽取</source>
        <translation>Random draw</translation>
    </message>
    <message>
        <source>抽取中…</source>
        <translation>Drawing…</translation>
    </message>
    <message>
        <source>已连接</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Android 手机</source>
        <translation>Android phone</translation>
    </message>
    <message>
        <source>手机</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>无法在地址 %1 上开启手机遥控：%2</source>
        <translation>The phone remote cannot start on the address %1: %2</translation>
    </message>
    <message>
        <source>已有设备在遥控</source>
        <translation>Another device is already in control</translation>
    </message>
    <message>
        <source>操作太频繁，请稍候再试</source>
        <translation>Too many presses; please wait a moment</translation>
    </message>
    <message>
        <source>无法识别的指令</source>
        <translation>Unknown command</translation>
    </message>
    <message>
        <source>请求过大</source>
        <translation>Request too large</translation>
    </message>
    <message>
        <source>请求太频繁，请稍候再试</source>
        <translation>Too many requests; please wait a moment</translation>
    </message>
    <message>
        <source>禁止访问</source>
        <translation>Access denied</translation>
    </message>
    <message>
        <source>不支持的请求</source>
        <translation>Unsupported request</translation>
    </message>
    <message>
        <source>连接太多</source>
        <translation>Too many connections</translation>
    </message>
    <message>
        <source>没有这个页面</source>
        <translation>No such page</translation>
    </message>
</context>
<context>
    <name>SaveFileChooser</name>
    <message>
        <source>保存位置：</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>文件名：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>保存类型：</source>
        <translation>Save as type:</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SortSchemeChoice</name>
    <message>
        <source>排序方式：</source>
        <translation>Sort by:</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>字符串</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>排序类型：</source>
        <translation>Order:</translation>
    </message>
    <message>
        <source>升序</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>降序</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>排序范围：</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>对全体随机数进行排序</source>
        <translation>Sort all results together</translation>
    </message>
    <message>
        <source>对每行随机数进行逐行排序</source>
        <translation>Sort the results of each line</translation>
    </message>
</context>
<context>
    <name>Speaker</name>
    <message>
        <source>未找到 Qt 的语音插件（请安装 qt6-speech-speechd-plugin、speech-dispatcher 与 speech-dispatcher-espeak-ng）</source>
        <translation>Qt&apos;s speech plugin is missing (install qt6-speech-speechd-plugin, speech-dispatcher and speech-dispatcher-espeak-ng)</translation>
    </message>
    <message>
        <source>无法连接语音服务 speech-dispatcher（请安装 speech-dispatcher 与 speech-dispatcher-espeak-ng，并确认语音服务可以启动）</source>
        <translation>The speech service speech-dispatcher cannot be reached (install speech-dispatcher and speech-dispatcher-espeak-ng, and make sure the service can start)</translation>
    </message>
    <message>
        <source>语音服务没有可用的声音（请安装 speech-dispatcher-espeak-ng）</source>
        <translation>The speech service has no voice (install speech-dispatcher-espeak-ng)</translation>
    </message>
</context>
<context>
    <name>TAutoNLineForm</name>
    <message>
        <source>自动换行设置</source>
        <translation>Automatic Line Breaks</translation>
    </message>
    <message>
        <source>使用自动换行</source>
        <translation>Break lines automatically</translation>
    </message>
    <message>
        <source>您希望每隔多少个随机数换一行？</source>
        <translation>How many results on each line?</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
</context>
<context>
    <name>TAutoSortForm</name>
    <message>
        <source>自动排序设置</source>
        <translation>Automatic Sorting</translation>
    </message>
    <message>
        <source>每次生成随机数后自动排序</source>
        <translation>Sort after every draw</translation>
    </message>
    <message>
        <source>手动换行操作后自动排序</source>
        <translation>Sort after breaking lines by hand</translation>
    </message>
    <message>
        <source>何时自动排序</source>
        <translation>When to sort automatically</translation>
    </message>
</context>
<context>
    <name>TCommitmentForm</name>
    <message>
        <source>可验证抽取 — 承诺</source>
        <translation>Verifiable Draw — Commitment</translation>
    </message>
    <message>
        <source>请在抽取前公布此指纹</source>
        <translation>Publish this fingerprint before the draw</translation>
    </message>
    <message>
        <source>完整的承诺值</source>
        <translation>The full commitment</translation>
    </message>
    <message>
        <source>完整承诺值（SHA-256）：</source>
        <translation>Full commitment (SHA-256):</translation>
    </message>
    <message>
        <source>公开随机数（可选）：</source>
        <translation>&amp;Public random numbers (optional):</translation>
    </message>
    <message>
        <source>抽取时才公布的数字，例如当天的彩票开奖号码</source>
        <translation>numbers published only at the draw, such as the day&apos;s lottery numbers</translation>
    </message>
    <message>
        <source>抽取已经开始，公开随机数不能再改。</source>
        <translation>Drawing has begun: the public random numbers can no longer change.</translation>
    </message>
    <message>
        <source>保存承诺…</source>
        <translation>&amp;Save Commitment…</translation>
    </message>
    <message>
        <source>继续抽取</source>
        <translation>&amp;Continue Drawing</translation>
    </message>
    <message>
        <source>开始抽取</source>
        <translation>S&amp;tart Drawing</translation>
    </message>
    <message>
        <source>保存承诺</source>
        <translation>Save Commitment</translation>
    </message>
    <message>
        <source>承诺文件 (*.json)</source>
        <translation>Commitment files (*.json)</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>无法保存公开随机数</source>
        <translation>Public Random Numbers Not Saved</translation>
    </message>
    <message>
        <source>公开随机数在承诺之后才确定，因此主持人无法预先挑选结果；观众核对时使用证书中记下的数字。</source>
        <translation>The public random numbers are fixed only after the commitment, so the host cannot pick the results beforehand; the audience checks with the numbers written in the certificate.</translation>
    </message>
</context>
<context>
    <name>TEScreenForm</name>
    <message>
        <source>随机数动画框</source>
        <translation>Animation Box</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>随机数将显示在这里</source>
        <translation>The results will show here</translation>
    </message>
</context>
<context>
    <name>TFairnessForm</name>
    <message>
        <source>%1：χ² = %2（自由度 %3），p = %4，与期望次数的均方根偏差 %5</source>
        <translation>%1: χ² = %2 (%3 degrees of freedom), p = %4, root mean square deviation from the expected counts %5</translation>
    </message>
    <message>
        <source>公平性检验 - %1</source>
        <translation>Fairness Check - %1</translation>
    </message>
    <message>
        <source>开始检验</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>条目</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>期望次数</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>模拟次数</source>
        <translation>Simulated</translation>
    </message>
    <message>
        <source>模拟最长间隔</source>
        <translation>Max gap (sim.)</translation>
    </message>
    <message>
        <source>历史次数</source>
        <translation>In history</translation>
    </message>
    <message>
        <source>历史最长间隔</source>
        <translation>Max gap (hist.)</translation>
    </message>
    <message>
        <source>“%1”抽取，从今天的历史出发模拟抽取次数：</source>
        <translation>&quot;%1&quot; draws; number of draws to simulate from today&apos;s history:</translation>
    </message>
    <message>
        <source>模拟 %1 次</source>
        <translation>%1 simulated draws</translation>
    </message>
    <message>
        <source>同样次数的普通抽取：均方根偏差 %1</source>
        <translation>Plain draws of the same number: root mean square deviation %1</translation>
    </message>
    <message>
        <source>历史 %1 次</source>
        <translation>%1 draws in the history</translation>
    </message>
    <message>
        <source>最久未被抽到：%1（已 %2 次抽取未被抽到）</source>
        <translation>Longest not drawn: %1 (not drawn for %2 draws)</translation>
    </message>
    <message>
        <source>名单项目</source>
        <translation>List item</translation>
    </message>
    <message>
        <source>名单项目：</source>
        <translation>&amp;List item:</translation>
    </message>
</context>
<context>
    <name>TFrequencyForm</name>
    <message>
        <source>随机数频数统计</source>
        <translation>Result Frequencies</translation>
    </message>
    <message>
        <source>频数统计图</source>
        <translation>Frequency Chart</translation>
    </message>
    <message>
        <source>（仅显示前%1项）</source>
        <translation> (first %1 only)</translation>
    </message>
    <message>
        <source>柱状图</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>折线图</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>扇形图</source>
        <translation>Pie</translation>
    </message>
    <message>
        <source>使用3D效果</source>
        <translation>3D look</translation>
    </message>
    <message>
        <source>保存统计图</source>
        <translation>Save Chart</translation>
    </message>
    <message>
        <source>导出频数表</source>
        <translation>Export Table</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>统计图无法转换为PNG图片。</source>
        <translation>The chart could not be turned into a PNG image.</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>频数表</source>
        <translation>Frequency table</translation>
    </message>
</context>
<context>
    <name>THistoryForm</name>
    <message>
        <source>全部工程</source>
        <translation>All projects</translation>
    </message>
    <message>
        <source>抽取历史</source>
        <translation>Draw History</translation>
    </message>
    <message>
        <source>如 2026/12/1</source>
        <translation>such as 2026/12/1</translation>
    </message>
    <message>
        <source>不限</source>
        <translation>any</translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>工程：</source>
        <translation>&amp;Project:</translation>
    </message>
    <message>
        <source>日期从：</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>到：</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>抽取记录</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>次数统计</source>
        <translation>Counts</translation>
    </message>
    <message>
        <source>导出…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>清空历史</source>
        <translation>C&amp;lear History</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>历史记录已关闭（Soft.ini 中 [History] Keep = 否），新的抽取不会记入历史。</source>
        <translation>The history is turned off ([History] Keep = 否 in Soft.ini): new draws are not written into it.</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
    <message>
        <source>“%1”不是有效的日期，请按 2026/12/7 的格式输入。</source>
        <translation>&quot;%1&quot; is not a valid date; enter it like 2026/12/7.</translation>
    </message>
    <message>
        <source>起始日期不能晚于结束日期。</source>
        <translation>The first date cannot be later than the last one.</translation>
    </message>
    <message>
        <source>共 %1 次抽取，%2 个不同的结果</source>
        <translation>%1 draws, %2 different results</translation>
    </message>
    <message>
        <source>次数统计图</source>
        <translation>Counts Chart</translation>
    </message>
    <message>
        <source>次数统计图（次数最多的 %1 个结果）</source>
        <translation>Counts Chart (the %1 most frequent results)</translation>
    </message>
    <message>
        <source>导出次数统计</source>
        <translation>Export Counts</translation>
    </message>
    <message>
        <source>导出抽取记录</source>
        <translation>Export Draws</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Not Exported</translation>
    </message>
    <message>
        <source>%1
请选择一个可以写入的文件夹。</source>
        <translation>%1
Please choose a folder that can be written.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>已导出到“%1”。</source>
        <translation>Exported to &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>请先在“工程”中选择要清空历史的工程。</source>
        <translation>First choose, under &quot;Project&quot;, the project whose history to clear.</translation>
    </message>
    <message>
        <source>确定要清空工程“%1”的全部抽取历史吗？此操作不能撤销。</source>
        <translation>Clear the whole draw history of the project &quot;%1&quot;? This cannot be undone.</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>抽取历史未能清空：%1</source>
        <translation>The draw history was not cleared: %1</translation>
    </message>
</context>
<context>
    <name>TNewLineForm</name>
    <message>
        <source>批量换行操作</source>
        <translation>Break Lines</translation>
    </message>
    <message>
        <source>您希望每隔多少个随机数换一行？</source>
        <translation>How many results on each line?</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
</context>
<context>
    <name>TPwdForm</name>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TRandForm</name>
    <message>
        <source>按 %1 停止生成</source>
        <translation>Press %1 to stop</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>生成随机数</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>%1的大小（宽%2，高%3）不在1到%4像素之间。</source>
        <translation>The size of the %1 (width %2, height %3) is not between 1 and %4 pixels.</translation>
    </message>
    <message>
        <source>停止动画的方式“%1”无法识别，动画将无法停止。</source>
        <translation>The way to stop the animation, &quot;%1&quot;, is not known; the animation could not be stopped.</translation>
    </message>
    <message>
        <source>停止动画的快捷键“%1”无法识别，动画将无法停止。</source>
        <translation>The key to stop the animation, &quot;%1&quot;, is not known; the animation could not be stopped.</translation>
    </message>
    <message>
        <source>终止生成</source>
        <translation>Stop Drawing</translation>
    </message>
    <message>
        <source>悬浮抽取</source>
        <translation>Quick Draw Button</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>隐藏</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>工程无法打开</source>
        <translation>Project Not Opened</translation>
    </message>
    <message>
        <source>默认工程不存在</source>
        <translation>Default Project Missing</translation>
    </message>
    <message>
        <source>您设定的默认工程已不存在，请您使用Varnel打开您需要的工程！</source>
        <translation>The default project you chose no longer exists. Please open the project you need with Varnel.</translation>
    </message>
    <message>
        <source>抽取窗口</source>
        <translation>drawing window</translation>
    </message>
    <message>
        <source>随机数动画框</source>
        <translation>Animation Box</translation>
    </message>
    <message>
        <source>当前工程已加密，请输入访问密码：</source>
        <translation>Enter the project&apos;s password:</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Wrong Password</translation>
    </message>
    <message>
        <source>您输入的密码有误，请重新输入！</source>
        <translation>The password is wrong. Please enter it again.</translation>
    </message>
    <message>
        <source>无法生成随机数</source>
        <translation>Cannot Draw</translation>
    </message>
    <message>
        <source>抽取结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>抽取记录</source>
        <translation>Record of results</translation>
    </message>
    <message>
        <source>工程“%1”无法打开：%2
请从备份中恢复该工程文件，或重新创建该工程。</source>
        <translation>The project &quot;%1&quot; could not be opened: %2
Please restore the project file from a backup, or make the project again.</translation>
    </message>
</context>
<context>
    <name>TSortForm</name>
    <message>
        <source>排序操作</source>
        <translation>Sort</translation>
    </message>
</context>
<context>
    <name>TSpeechForm</name>
    <message>
        <source>朗读设置</source>
        <translation>Speech Settings</translation>
    </message>
    <message>
        <source>试听</source>
        <translation>&amp;Try</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>语速：</source>
        <translation>&amp;Speed:</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>快</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>音量：</source>
        <translation>&amp;Volume:</translation>
    </message>
    <message>
        <source>小</source>
        <translation>quiet</translation>
    </message>
    <message>
        <source>大</source>
        <translation>loud</translation>
    </message>
</context>
<context>
    <name>TStatForm</name>
    <message>
        <source>随机数统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>随机数总量</source>
        <translation>Number of results</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>极差</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>平均值</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>方差</source>
        <translation>Variance</translation>
    </message>
    <message>
        <source>标准差</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>统计项目</source>
        <translation>Figures to calculate</translation>
    </message>
    <message>
        <source>统计结果</source>
        <translation>Figures</translation>
    </message>
</context>
<context>
    <name>TVerifyForm</name>
    <message>
        <source>验证证书</source>
        <translation>Verify Certificate</translation>
    </message>
    <message>
        <source>请选择要验证的证书</source>
        <translation>Choose the certificate to verify</translation>
    </message>
    <message>
        <source>选择证书…</source>
        <translation>&amp;Choose Certificate…</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>一致</source>
        <translation>Consistent</translation>
    </message>
    <message>
        <source>不一致</source>
        <translation>Inconsistent</translation>
    </message>
    <message>
        <source>承诺指纹  %1</source>
        <translation>Commitment fingerprint  %1</translation>
    </message>
    <message>
        <source>证书：%1</source>
        <translation>Certificate: %1</translation>
    </message>
    <message>
        <source>，公开随机数“%1”与实际公布的数字相同</source>
        <translation>, and that the public random numbers &quot;%1&quot; are the ones actually published</translation>
    </message>
    <message>
        <source>选择证书</source>
        <translation>Choose Certificate</translation>
    </message>
    <message>
        <source>抽取证书 (*.zcert);;所有文件 (*)</source>
        <translation>Draw certificates (*.zcert);;All files (*)</translation>
    </message>
    <message>
        <source>验证会用证书中公开的种子和输入重算承诺，并重新进行每一次抽取；结果与证书记载完全相同时显示“一致”。请把显示的指纹与主持人抽取前公布的指纹对照。</source>
        <translation>Verifying recomputes the commitment from the seed and inputs revealed in the certificate and makes every draw again; when the results are exactly those of the certificate it shows &quot;Consistent&quot;. Compare the fingerprint shown with the one the host published before the draw.</translation>
    </message>
    <message>
        <source>工程“%1”的 %2 条抽取记录已按公开的种子全部重算，结果与证书相同。请确认上面的指纹与抽取前公布的指纹一致%3。</source>
        <translation>All %2 draws of the project &quot;%1&quot; were recomputed from the revealed seed, and the results are those of the certificate. Make sure the fingerprint above is the one published before the draw%3.</translation>
    </message>
    <message>
        <source>证书指纹</source>
        <translation>Certificate fingerprint</translation>
    </message>
    <message>
        <source>证书文件</source>
        <translation>Certificate file</translation>
    </message>
</context>
<context>
    <name>VerifiableController</name>
    <message>
        <source>验证证书…</source>
        <translation>Verify Certificate…</translation>
    </message>
    <message>
        <source>查看承诺…</source>
        <translation>Show Commitment…</translation>
    </message>
    <message>
        <source>结束并公开</source>
        <translation>End and Reveal</translation>
    </message>
    <message>
        <source>无法进行可验证抽取</source>
        <translation>No Verifiable Draw</translation>
    </message>
    <message>
        <source>证书无法保存</source>
        <translation>Certificate Not Saved</translation>
    </message>
    <message>
        <source>
抽取仍可进行，但窗口意外关闭时抽取记录会丢失。</source>
        <translation>
Drawing still works, but the record of the draws is lost if the window closes unexpectedly.</translation>
    </message>
    <message>
        <source>种子已经公开，证书保存在：
%1

承诺指纹：%2
观众可以用“验证证书…”或 Dellamy --verify 核对这份证书。接下来的抽取将使用新的承诺。</source>
        <translation>The seed is revealed; the certificate is saved in:
%1

Commitment fingerprint: %2
The audience can check this certificate with &quot;Verify Certificate…&quot; or Dellamy --verify. The next draws use a new commitment.</translation>
    </message>
</context>
</TS>
