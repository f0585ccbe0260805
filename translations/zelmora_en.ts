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
    <name>TConfigForm</name>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>双空格</source>
        <translation>Double space</translation>
    </message>
    <message>
        <source>全角空格</source>
        <translation>Wide space</translation>
    </message>
    <message>
        <source>全角逗号</source>
        <translation>Wide comma</translation>
    </message>
    <message>
        <source>全角分号</source>
        <translation>Wide semicolon</translation>
    </message>
    <message>
        <source>半角分号</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>下次启动时生效</source>
        <translation>Takes effect at the next start</translation>
    </message>
    <message>
        <source>选择边框颜色</source>
        <translation>Border Colour</translation>
    </message>
    <message>
        <source>随机数设置</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>生成的随机数之间的分隔符：</source>
        <translation>Separator between results:</translation>
    </message>
    <message>
        <source>列举模式及图片模式设置</source>
        <translation>Lists and pictures</translation>
    </message>
    <message>
        <source>随机数名单或图片列表被清空后，自动恢复随机数名单或图片列表</source>
        <translation>Restore the list of names or pictures automatically once it has been used up</translation>
    </message>
    <message>
        <source>显示设置</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>边框宽度：</source>
        <translation>Border width:</translation>
    </message>
    <message>
        <source>边框颜色：</source>
        <translation>Border colour:</translation>
    </message>
    <message>
        <source>为非文本框式生成框和记录框添加边框</source>
        <translation>Add a border to result and record boxes that are not text boxes</translation>
    </message>
    <message>
        <source>为图片添加边框</source>
        <translation>Add a border to pictures</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
    <message>
        <source>边框宽度必须是 %1 到 %2 之间的整数！</source>
        <translation>The border width must be a whole number from %1 to %2.</translation>
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
    <name>TProjManageForm</name>
    <message>
        <source>请选择项目</source>
        <translation>Choose Projects</translation>
    </message>
    <message>
        <source>保存完毕</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>“%1”以新名称“%2”保存。</source>
        <translation>&quot;%1&quot; was saved under the new name &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>“%1”已跳过：%2。</source>
        <translation>&quot;%1&quot; was skipped: %2.</translation>
    </message>
    <message>
        <source>“%1”失败：%2</source>
        <translation>&quot;%1&quot; failed: %2</translation>
    </message>
    <message>
        <source>文件“%1”已经存在，是否替换？</source>
        <translation>The file &quot;%1&quot; exists already. Replace it?</translation>
    </message>
    <message>
        <source>工程管理</source>
        <translation>Project Manager</translation>
    </message>
    <message>
        <source>导入工程</source>
        <translation>Import Projects</translation>
    </message>
    <message>
        <source>导出工程</source>
        <translation>Export Projects</translation>
    </message>
    <message>
        <source>载入工程文件</source>
        <translation>Load Project Files</translation>
    </message>
    <message>
        <source>所有工程文件(*.rproj *.rprojs);;随机数工程文件 (*.rproj);;随机数工程打包文件 (*.rprojs)</source>
        <translation>All project files (*.rproj *.rprojs);;Project files (*.rproj);;Project packages (*.rprojs)</translation>
    </message>
    <message>
        <source>打包导出工程</source>
        <translation>Export Projects as a Package</translation>
    </message>
    <message>
        <source>随机数工程打包文件 (*.rprojs)</source>
        <translation>Project packages (*.rprojs)</translation>
    </message>
    <message>
        <source>请选择导出工程的文件夹</source>
        <translation>Choose the folder to export the projects to</translation>
    </message>
    <message>
        <source>输入编辑密码</source>
        <translation>Edit Password</translation>
    </message>
    <message>
        <source>工程“%1”设有编辑密码，替换它需要输入编辑密码：</source>
        <translation>The project &quot;%1&quot; has an edit password; enter it to replace the project:</translation>
    </message>
    <message>
        <source>请选择您要导入的工程：</source>
        <translation>Choose the projects to import:</translation>
    </message>
    <message>
        <source>清除工程列表</source>
        <translation>Clear List</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>请选择您要导出的工程：</source>
        <translation>Choose the projects to export:</translation>
    </message>
    <message>
        <source>打包导出</source>
        <translation>Export as Package</translation>
    </message>
    <message>
        <source>导出单文件</source>
        <translation>Export Single Files</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Not Read</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>备注：</source>
        <translation>Remark: </translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>以下内容无法载入，其余工程已列出：

</source>
        <translation>These could not be loaded; the other projects are listed:

</translation>
    </message>
    <message>
        <source>请选择要导入的项目！</source>
        <translation>Please choose the projects to import.</translation>
    </message>
    <message>
        <source>名称为“%1”的工程已经存在。

选择“是”替换现有的工程，选择“否”以新名称“%2”导入，选择“取消”不导入这个工程。</source>
        <translation>A project named &quot;%1&quot; exists already.

Choose &quot;Yes&quot; to replace it, &quot;No&quot; to import this one under the new name &quot;%2&quot;, or &quot;Cancel&quot; not to import it.</translation>
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
        <source>正在导入工程…</source>
        <translation>Importing projects…</translation>
    </message>
    <message>
        <source>导入失败</source>
        <translation>Import Failed</translation>
    </message>
    <message>
        <source>其余 %1 个工程</source>
        <translation>the other %1 projects</translation>
    </message>
    <message>
        <source>导入已取消</source>
        <translation>import cancelled</translation>
    </message>
    <message>
        <source>您选择的工程已经成功导入，重新运行主程序后生效。</source>
        <translation>The projects you chose were imported; they appear when the menu program starts again.</translation>
    </message>
    <message>
        <source>没有导入工程</source>
        <translation>Nothing Imported</translation>
    </message>
    <message>
        <source>请选择要导出的项目！</source>
        <translation>Please choose the projects to export.</translation>
    </message>
    <message>
        <source>您选择的工程已经导出完毕！文件扩展名为rproj。</source>
        <translation>The projects you chose were exported, with the file extension rproj.</translation>
    </message>
    <message>
        <source>没有导出工程</source>
        <translation>Nothing Exported</translation>
    </message>
    <message>
        <source>您选择的工程已经导出完毕！文件扩展名为rprojs。</source>
        <translation>The projects you chose were exported, with the file extension rprojs.</translation>
    </message>
    <message>
        <source>要导入的工程</source>
        <translation>Projects to import</translation>
    </message>
    <message>
        <source>要导出的工程</source>
        <translation>Projects to export</translation>
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
</TS>
