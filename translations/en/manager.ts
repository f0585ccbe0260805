<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
