<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
    <message>
        <source>高对比度</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <source>抽取窗口和对话框使用黑底浅色文字，便于在投影仪上阅读</source>
        <translation>Light text on black in the drawing window and dialogs, readable on a projector</translation>
    </message>
</context>
<context>
    <name>TDVEditorForm</name>
    <message>
        <source>属性值</source>
        <translation>Property values</translation>
    </message>
</context>
<context>
    <name>TDesignForm</name>
    <message>
        <source>窗口设计画布</source>
        <translation>Window design canvas</translation>
    </message>
    <message>
        <source>Tab 键选择下一个对象，方向键移动所选对象（按住 Shift 每次 10 像素），Shift+Ctrl+方向键调整大小</source>
        <translation>Tab selects the next object; the arrow keys move the selected object (10 pixels with Shift); Shift+Ctrl+arrow keys resize it</translation>
    </message>
</context>
<context>
    <name>TExtraScreenForm</name>
    <message>
        <source>结果预览</source>
        <translation>Result preview</translation>
    </message>
</context>
<context>
    <name>TFirstForm</name>
    <message>
        <source>新的工程名称</source>
        <translation>New project name</translation>
    </message>
    <message>
        <source>查找工程</source>
        <translation>Find project</translation>
    </message>
</context>
<context>
    <name>TIconsForm</name>
    <message>
        <source>可选的图标</source>
        <translation>Available icons</translation>
    </message>
</context>
<context>
    <name>TMusicSetForm</name>
    <message>
        <source>音乐列表</source>
        <translation>Music list</translation>
    </message>
</context>
</TS>
