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
    <name>RemoteDialog</name>
    <message>
        <source>手机页面地址</source>
        <translation>Phone page address</translation>
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
        <source>证书指纹</source>
        <translation>Certificate fingerprint</translation>
    </message>
    <message>
        <source>证书文件</source>
        <translation>Certificate file</translation>
    </message>
</context>
</TS>
