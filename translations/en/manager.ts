<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>Ostrel</name>
    <message>
        <source>软件权限不足：%1
</source>
        <translation>The program lacks the rights it needs: %1
</translation>
    </message>
    <message>
        <source>选项 %1 缺少取值。</source>
        <translation>Option %1 needs a value.</translation>
    </message>
    <message>
        <source>已导出：%1 → %2
</source>
        <translation>Exported: %1 → %2
</translation>
    </message>
    <message>
        <source>已导出并替换：%1 → %2
</source>
        <translation>Exported, replacing: %1 → %2
</translation>
    </message>
    <message>
        <source>已改名导出：%1 → %2
</source>
        <translation>Exported under a new name: %1 → %2
</translation>
    </message>
    <message>
        <source>已跳过：%1（%2）
</source>
        <translation>Skipped: %1 (%2)
</translation>
    </message>
    <message>
        <source>未导出：%1：%2
</source>
        <translation>Not exported: %1: %2
</translation>
    </message>
    <message>
        <source>未打包：%1：%2
</source>
        <translation>Not packed: %1: %2
</translation>
    </message>
    <message>
        <source>已打包：%1 → %2
</source>
        <translation>Packed: %1 → %2
</translation>
    </message>
    <message>
        <source>已导入：%1</source>
        <translation>Imported: %1</translation>
    </message>
    <message>
        <source>已导入并替换：%1</source>
        <translation>Imported, replacing: %1</translation>
    </message>
    <message>
        <source>已改名导入：%1 → %2</source>
        <translation>Imported under a new name: %1 → %2</translation>
    </message>
    <message>
        <source>（格式由 2.3 以前的版本升级为 2.4）</source>
        <translation> (format upgraded from a version before 2.3 to 2.4)</translation>
    </message>
    <message>
        <source>（格式由 %1 升级为 2.4）</source>
        <translation> (format upgraded from %1 to 2.4)</translation>
    </message>
    <message>
        <source>未导入：%1：%2
</source>
        <translation>Not imported: %1: %2
</translation>
    </message>
    <message>
        <source>导入进度：%1/%2
</source>
        <translation>Import progress: %1/%2
</translation>
    </message>
    <message>
        <source>未导入：%1：%2%3
</source>
        <translation>Not imported: %1: %2%3
</translation>
    </message>
    <message>
        <source>（命令行不能替换设有编辑密码的工程，请改用 --on-clash rename 或 skip，或在工程管理窗口中输入编辑密码后替换）</source>
        <translation> (the command line cannot replace a project with an edit password: use --on-clash rename or skip, or replace it in the project manager window after entering the edit password)</translation>
    </message>
    <message>
        <source>用法：%1 --export 工程名… --to 文件夹  [--on-clash replace|rename|skip] [--appdir 目录]
      %1 --pack 工程名… --to 文件     [--on-clash …] [--appdir 目录]
      %1 --import 文件…                [--on-clash …] [--appdir 目录]
      %1 [--appdir 目录] [文件…]
不带命令时打开工程管理窗口，给出的 .rproj / .rprojs 文件列在“导入工程”页上。
  --export 工程名…  把每个工程导出为单个文件 &lt;文件夹&gt;/&lt;工程名&gt;.rproj
  --pack 工程名…    把这些工程打包导出到一个文件（缺少扩展名 .rprojs 时自动加上）
  --import 文件…    导入工程文件（.rproj）和工程包（.rprojs），旧版本格式自动升级
  --to              导出的目标文件夹（--export）或工程包文件（--pack；给出文件夹时
                    写入 &lt;文件夹&gt;/&lt;第一个工程名&gt;.rprojs）
  --on-clash        目标已存在时：replace 替换，rename 改名为“名称 (2)”（默认），skip 跳过
  --appdir 目录     以该目录作为数据文件夹（Data/menu.xml、Data/Projects）
  --help            显示本说明
每个工程输出一行结果；出错的工程写到标准错误，其余工程照常处理。
退出码：0 成功，2 参数有误，3 文件或工程不存在、无法读取或已损坏，
        4 工程名称无效（含路径分隔符、“..”等）或要替换的工程设有编辑密码，5 无法写入目标。
        多个问题时取第一个。导入 %2 个以上的工程时，在标准错误上报告进度。
数据文件夹：%3
</source>
        <translation>Usage: %1 --export PROJECT… --to FOLDER  [--on-clash replace|rename|skip] [--appdir FOLDER]
       %1 --pack PROJECT… --to FILE      [--on-clash …] [--appdir FOLDER]
       %1 --import FILE…                 [--on-clash …] [--appdir FOLDER]
       %1 [--appdir FOLDER] [FILE…]
Without a command the project manager window opens, with the given .rproj / .rprojs files listed on its listed on its &quot;Import projects&quot; pagequot;Import Projectslisted on its &quot;Import projects&quot; pagequot; page.
  --export PROJECT…  export each project as a single file &lt;FOLDER&gt;/&lt;PROJECT&gt;.rproj
  --pack PROJECT…    export these projects packed into one file (.rprojs is added when the name lacks it)
  --import FILE…     import project files (.rproj) and project packages (.rprojs); older formats are upgraded
  --to               the folder to export to (--export) or the package file (--pack; for a folder
                     &lt;FOLDER&gt;/&lt;FIRST PROJECT&gt;.rprojs is written)
  --on-clash         when the target exists: replace it, rename to &quot;NAME (2)&quot; (default), or skip
  --appdir FOLDER    use this folder as the data folder (Data/menu.xml, Data/Projects)
  --help             show this help
One line of result per project; projects with problems are reported on standard error, the others go on as usual.
Exit status: 0 success, 2 wrong arguments, 3 a file or project missing, unreadable or damaged,
        4 a project name not valid (path separators, &quot;..&quot;, …) or a project to replace has an edit password, 5 the target cannot be written.
        With several problems, the first one. Imports of %2 or more projects report their progress on standard error.
Data folder: %3
</translation>
    </message>
    <message>
        <source>--export、--pack 和 --import 只能选用一个。</source>
        <translation>Only one of --export, --pack and --import can be used.</translation>
    </message>
    <message>
        <source>应用目录“%1”不存在。</source>
        <translation>The application folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>--on-clash 的取值“%1”无效，应为 replace、rename 或 skip。</source>
        <translation>The value &quot;%1&quot; of --on-clash is not valid: use replace, rename or skip.</translation>
    </message>
    <message>
        <source>未知的选项 %1。</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>请给出要导出的工程名称。</source>
        <translation>Please give the names of the projects to export.</translation>
    </message>
    <message>
        <source>请用 --to 给出导出的文件夹。</source>
        <translation>Please give the folder to export to with --to.</translation>
    </message>
    <message>
        <source>请用 --to 给出工程包文件。</source>
        <translation>Please give the package file with --to.</translation>
    </message>
    <message>
        <source>请给出要导入的文件。</source>
        <translation>Please give the files to import.</translation>
    </message>
    <message>
        <source>--to 只用于 --export 和 --pack。</source>
        <translation>--to is only used with --export and --pack.</translation>
    </message>
</context>
<context>
    <name>ProjectExchange</name>
    <message>
        <source>工程名称为空。</source>
        <translation>The project name is empty.</translation>
    </message>
    <message>
        <source>无法读取文件“%1”。</source>
        <translation>The file &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>工程“%1”的文件 %2.rpj 不存在。</source>
        <translation>The file %2.rpj of the project &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>无法写入临时文件“%1”：%2</source>
        <translation>The temporary file &quot;%1&quot; cannot be written: %2</translation>
    </message>
    <message>
        <source>“%1”不是可以导入的工程文件：%2</source>
        <translation>&quot;%1&quot; is not a project file that can be imported: %2</translation>
    </message>
    <message>
        <source>无法写入导入记录“%1”：%2</source>
        <translation>The import record &quot;%1&quot; cannot be written: %2</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>The folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>文件 %1 已经存在</source>
        <translation>the file %1 already exists</translation>
    </message>
    <message>
        <source>无法写入文件“%1”：%2</source>
        <translation>The file &quot;%1&quot; cannot be written: %2</translation>
    </message>
    <message>
        <source>不是工程文件（.rproj）或工程包（.rprojs）。</source>
        <translation>Not a project file (.rproj) or project package (.rprojs).</translation>
    </message>
    <message>
        <source>文件不存在或不是普通文件。</source>
        <translation>The file does not exist or is not a regular file.</translation>
    </message>
    <message>
        <source>%1 第 %2 个记录</source>
        <translation>%1 record %2</translation>
    </message>
    <message>
        <source>工程名称“%1”无效：%2</source>
        <translation>The project name &quot;%1&quot; is not valid: %2</translation>
    </message>
    <message>
        <source>无法创建临时文件夹“%1”。</source>
        <translation>The temporary folder &quot;%1&quot; cannot be created.</translation>
    </message>
    <message>
        <source>另一个工程管理程序正在导入工程，请等它完成后再导入。</source>
        <translation>Another project manager is importing projects; please wait until it has finished, then import.</translation>
    </message>
    <message>
        <source>同名的工程“%1”已经存在</source>
        <translation>a project named &quot;%1&quot; already exists</translation>
    </message>
    <message>
        <source>工程“%1”设有编辑密码，没有输入它的编辑密码，不能替换</source>
        <translation>the project &quot;%1&quot; has an edit password, which was not entered, so it cannot be replaced</translation>
    </message>
    <message>
        <source>无法写入项目目录：%1</source>
        <translation>The project folder cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>ProjectPackage</name>
    <message>
        <source>第 %1 个记录是空的。</source>
        <translation>Record %1 is empty.</translation>
    </message>
    <message>
        <source>第 %1 个记录缺少工程名称标记，工程包可能已损坏或不完整。</source>
        <translation>Record %1 lacks the project name mark; the package may be damaged or incomplete.</translation>
    </message>
    <message>
        <source>第 %1 个记录没有工程名称。</source>
        <translation>Record %1 has no project name.</translation>
    </message>
    <message>
        <source>第 %1 个记录（“%2”）没有工程内容，工程包可能不完整。</source>
        <translation>Record %1 (&quot;%2&quot;) has no project content; the package may be incomplete.</translation>
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
</TS>
