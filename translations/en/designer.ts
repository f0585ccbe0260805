<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ColourListStrip</name>
    <message>
        <source>单击选择颜色，双击修改颜色，右击新增或删除颜色</source>
        <translation>Click to choose a colour, double-click to change it, right-click to add or delete colours</translation>
    </message>
    <message>
        <source>新增颜色</source>
        <translation>&amp;Add Colour</translation>
    </message>
    <message>
        <source>删除当前颜色</source>
        <translation>&amp;Delete Colour</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose Colour</translation>
    </message>
    <message>
        <source>颜色总数超出限制</source>
        <translation>Too Many Colours</translation>
    </message>
    <message>
        <source>最多只能设置七种颜色！</source>
        <translation>There can be at most seven colours.</translation>
    </message>
    <message>
        <source>颜色总数至少为一种</source>
        <translation>One Colour Needed</translation>
    </message>
    <message>
        <source>必须保留至少一种颜色！</source>
        <translation>At least one colour must stay.</translation>
    </message>
</context>
<context>
    <name>CommandBar</name>
    <message>
        <source>进入显示程序</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>新建工程</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>导入/导出工程</source>
        <translation>Import/Export</translation>
    </message>
    <message>
        <source>查找工程</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>关于本软件</source>
        <translation>About</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>用户反馈</source>
        <translation>Feedback</translation>
    </message>
</context>
<context>
    <name>DesignCanvas</name>
    <message>
        <source>生成随机数</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>显示图片名称格式：%1</source>
        <translation>Picture name shown as: %1</translation>
    </message>
</context>
<context>
    <name>DesignCommands</name>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>调整大小</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>窗口</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>修改%1</source>
        <translation>Change %1</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>文字颜色…</source>
        <translation>Text &amp;Colour…</translation>
    </message>
    <message>
        <source>文字颜色</source>
        <translation>Text Colour</translation>
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
        <source>颜色：</source>
        <translation>Colour:</translation>
    </message>
</context>
<context>
    <name>InfoStrip</name>
    <message>
        <source>软件版本：</source>
        <translation>Version: </translation>
    </message>
    <message>
        <source>用户交流QQ群：%1（点击复制）</source>
        <translation>QQ user group: %1 (click to copy)</translation>
    </message>
    <message>
        <source>官方微博：</source>
        <translation>Weibo: </translation>
    </message>
    <message>
        <source>备注：</source>
        <translation>Remark:</translation>
    </message>
    <message>
        <source>工程总数：%1个</source>
        <translation>Projects: %1</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>Author: </translation>
    </message>
    <message>
        <source>应用领域：</source>
        <translation>Used for: </translation>
    </message>
    <message>
        <source>生成模式：</source>
        <translation>Mode: </translation>
    </message>
    <message>
        <source>工程类型：</source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>创建时间：</source>
        <translation>Created: </translation>
    </message>
    <message>
        <source>修改时间：</source>
        <translation>Changed: </translation>
    </message>
</context>
<context>
    <name>MakerInfo</name>
    <message>
        <source>Zelmora 随机工作室</source>
        <translation>Zelmora Random Studio</translation>
    </message>
</context>
<context>
    <name>MediaCheck</name>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>不是文件</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>没有读取权限</source>
        <translation>no permission to read it</translation>
    </message>
    <message>
        <source>文件无法使用</source>
        <translation>File Not Usable</translation>
    </message>
    <message>
        <source>不是可以显示的图片</source>
        <translation>not a picture that can be shown</translation>
    </message>
    <message>
        <source>背景图片无法读取：%1（%2）</source>
        <translation>The background picture cannot be read: %1 (%2)</translation>
    </message>
    <message>
        <source>不是音乐文件</source>
        <translation>not a music file</translation>
    </message>
    <message>
        <source>背景音乐无法播放：%1（%2）</source>
        <translation>The background music cannot be played: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>MenuCatalogue</name>
    <message>
        <source>项目名称不能与现有的项目名称重复！</source>
        <translation>Another project has this name already.</translation>
    </message>
    <message>
        <source>工程文件“%1”无法重命名：%2</source>
        <translation>The project file &quot;%1&quot; cannot be renamed: %2</translation>
    </message>
    <message>
        <source>项目目录中没有名为“%1”的工程。</source>
        <translation>The project folder holds no project named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>工程文件“%1”无法删除：%2。工程未被删除。</source>
        <translation>The project file &quot;%1&quot; cannot be deleted: %2. The project was not deleted.</translation>
    </message>
    <message>
        <source>工程未被删除。</source>
        <translation> The project was not deleted.</translation>
    </message>
    <message>
        <source>工程已删除，但无法移除文件“%1”，您可以稍后手动删除它。</source>
        <translation>The project was deleted, but the file &quot;%1&quot; could not be removed; you can delete it by hand later.</translation>
    </message>
</context>
<context>
    <name>MenuInstance</name>
    <message>
        <source>另一个 Varnel 已在使用数据文件夹“%1”，但没有响应。请关闭它后再启动。</source>
        <translation>Another Varnel is using the data folder &quot;%1&quot; but does not answer. Please close it and start again.</translation>
    </message>
    <message>
        <source>无法在文件夹“%1”中建立锁文件，请检查该文件夹是否可写。</source>
        <translation>No lock file can be made in the folder &quot;%1&quot;. Please check that the folder can be written.</translation>
    </message>
</context>
<context>
    <name>PropertyWords</name>
    <message>
        <source>窗体</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>标签式生成框</source>
        <translation>Result box (plain)</translation>
    </message>
    <message>
        <source>标签式记录框</source>
        <translation>Record box (plain)</translation>
    </message>
    <message>
        <source>文本框式生成框</source>
        <translation>Result box (text box)</translation>
    </message>
    <message>
        <source>文本框式记录框</source>
        <translation>Record box (text box)</translation>
    </message>
    <message>
        <source>生成随机数按钮</source>
        <translation>Draw button</translation>
    </message>
    <message>
        <source>随机图片框</source>
        <translation>Picture box</translation>
    </message>
    <message>
        <source>图片名称</source>
        <translation>Picture name</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>Text box</translation>
    </message>
    <message>
        <source>非文本框</source>
        <translation>Plain box</translation>
    </message>
    <message>
        <source>图片按钮</source>
        <translation>Picture button</translation>
    </message>
    <message>
        <source>文字按钮</source>
        <translation>Text button</translation>
    </message>
    <message>
        <source>文字+图片按钮</source>
        <translation>Text and picture button</translation>
    </message>
    <message>
        <source>对齐方式</source>
        <translation>Alignment</translation>
    </message>
    <message>
        <source>位置X</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>位置Y</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>高度</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>水平间距</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>竖直间距</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>背景音乐</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>背景颜色</source>
        <translation>Back colour</translation>
    </message>
    <message>
        <source>格式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>是否只读</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>换行记录</source>
        <translation>New lines</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>自动伸展</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>图片居中</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>播放间隔</source>
        <translation>Interval (ms)</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>点此编辑</source>
        <translation>Click to edit</translation>
    </message>
    <message>
        <source>点此设置</source>
        <translation>Click to set</translation>
    </message>
    <message>
        <source>备注%1</source>
        <translation>Remark %1</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>关于本软件</source>
        <translation>About Zelmora</translation>
    </message>
    <message>
        <source>Zelmora 随机抽取系统</source>
        <translation>Zelmora Draws</translation>
    </message>
    <message>
        <source>Zelmora [Varnel]    版本 %1</source>
        <translation>Zelmora [Varnel]    version %1</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>Author: </translation>
    </message>
    <message>
        <source>官方微博：</source>
        <translation>Weibo: </translation>
    </message>
    <message>
        <source>反馈邮箱：</source>
        <translation>Feedback: </translation>
    </message>
    <message>
        <source>用户交流QQ群：</source>
        <translation>QQ user group: </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TAnimateForm</name>
    <message>
        <source>当前工程类型无需设置此参数</source>
        <translation>This kind of project does not use this setting</translation>
    </message>
    <message>
        <source>动画间隔不能超过%1秒（%2毫秒），请重新设置！</source>
        <translation>The animation interval cannot be longer than %1 seconds (%2 ms). Please set it again.</translation>
    </message>
    <message>
        <source>动画设置</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>在随机数生成时使用动画</source>
        <translation>Animate while drawing</translation>
    </message>
    <message>
        <source>在随机数生成后使用动画</source>
        <translation>Animate after drawing</translation>
    </message>
    <message>
        <source>使用生成框、记录框动画</source>
        <translation>Animate the boxes</translation>
    </message>
    <message>
        <source>随机数生成时的动画设置</source>
        <translation>While Drawing</translation>
    </message>
    <message>
        <source>生成随机数后的动画设置</source>
        <translation>After Drawing</translation>
    </message>
    <message>
        <source>生成框、记录框动画</source>
        <translation>Result and Record Boxes</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>动画间隔：</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>隐藏生成随机数按钮</source>
        <translation>Hide the draw button</translation>
    </message>
    <message>
        <source>随机数显示</source>
        <translation>Results shown</translation>
    </message>
    <message>
        <source>使用生成框</source>
        <translation>Result box</translation>
    </message>
    <message>
        <source>使用独立窗口</source>
        <translation>Own window</translation>
    </message>
    <message>
        <source>点此设置</source>
        <translation>Set…</translation>
    </message>
    <message>
        <source>隐藏记录框</source>
        <translation>Hide record box</translation>
    </message>
    <message>
        <source>动画终止设置</source>
        <translation>Stopping</translation>
    </message>
    <message>
        <source>持续到指定的次数后停止：</source>
        <translation>Stop after this many turns:</translation>
    </message>
    <message>
        <source>显示倒计次数</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <source>设置字体</source>
        <translation>Font…</translation>
    </message>
    <message>
        <source>使用快捷键：</source>
        <translation>By key:</translation>
    </message>
    <message>
        <source>使用终止按钮：</source>
        <translation>By button:</translation>
    </message>
    <message>
        <source>使用生成随机数按钮</source>
        <translation>The draw button</translation>
    </message>
    <message>
        <source>使用独立按钮</source>
        <translation>Own button</translation>
    </message>
    <message>
        <source>背景音乐</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>使用背景音乐：</source>
        <translation>Play music:</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>&amp;Browse…</translation>
    </message>
    <message>
        <source>生成随机数后播放音乐</source>
        <translation>Music after drawing</translation>
    </message>
    <message>
        <source>每次生成随机数后播放所选的音乐。</source>
        <translation>The chosen music plays after each draw.</translation>
    </message>
    <message>
        <source>变色间隔：</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>生成框</source>
        <translation>Result box</translation>
    </message>
    <message>
        <source>使用生成框动画</source>
        <translation>Animate the result box</translation>
    </message>
    <message>
        <source>使用字体动画</source>
        <translation>Animate the text colour</translation>
    </message>
    <message>
        <source>设置生成框字体动画</source>
        <translation>Text colours…</translation>
    </message>
    <message>
        <source>使用背景颜色动画</source>
        <translation>Animate the back colour</translation>
    </message>
    <message>
        <source>设置生成框背景颜色动画</source>
        <translation>Back colours…</translation>
    </message>
    <message>
        <source>记录框</source>
        <translation>Record box</translation>
    </message>
    <message>
        <source>使用记录框动画</source>
        <translation>Animate the record box</translation>
    </message>
    <message>
        <source>设置记录框字体动画</source>
        <translation>Text colours…</translation>
    </message>
    <message>
        <source>设置记录框背景颜色动画</source>
        <translation>Back colours…</translation>
    </message>
    <message>
        <source>颜色列表（单击选择，双击修改，右击新增或删除）</source>
        <translation>Colours (click to choose, double-click to change, right-click to add or delete)</translation>
    </message>
    <message>
        <source>工程无法打开</source>
        <translation>Project Not Opened</translation>
    </message>
    <message>
        <source>选择音乐</source>
        <translation>Choose Music</translation>
    </message>
    <message>
        <source>终止快捷键与生成随机数快捷键相冲突，请重新设置终止快捷键！</source>
        <translation>The stop key is the draw key. Please choose another stop key.</translation>
    </message>
    <message>
        <source>背景音乐地址不能为空！</source>
        <translation>Please choose the music file.</translation>
    </message>
    <message>
        <source>若使用生成随机数按钮作为终止随机数的按钮，则不能隐藏生成随机数按钮！</source>
        <translation>The draw button stops the draw, so it cannot be hidden.</translation>
    </message>
    <message>
        <source>动画间隔和终止次数必须是大于零的整数！</source>
        <translation>The interval and the number of turns must be whole numbers above zero.</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Not Saved</translation>
    </message>
</context>
<context>
    <name>TBgMusicForm</name>
    <message>
        <source>背景音乐</source>
        <translation>Background Music</translation>
    </message>
    <message>
        <source>使用背景音乐</source>
        <translation>Play background music</translation>
    </message>
    <message>
        <source>背景音乐设置</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>播放固定音乐</source>
        <translation>One file</translation>
    </message>
    <message>
        <source>播放随机音乐</source>
        <translation>Random list</translation>
    </message>
    <message>
        <source>载入</source>
        <translation>&amp;Load…</translation>
    </message>
    <message>
        <source>播放类型：</source>
        <translation>Play:</translation>
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
        <source>&lt;a href=&quot;#&quot; style=&quot;color:%1&quot;&gt;点此进入随机音乐编辑器&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;color:%1&quot;&gt;Edit the music list…&lt;/a&gt;</translation>
    </message>
    <message>
        <source>载入音乐</source>
        <translation>Load Music</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
    <message>
        <source>音乐地址不能为空！</source>
        <translation>Please choose the music file.</translation>
    </message>
    <message>
        <source>请设置随机音乐列表！</source>
        <translation>Please set the music list.</translation>
    </message>
</context>
<context>
    <name>TBgSetForm</name>
    <message>
        <source>设置背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>固定颜色</source>
        <translation>One colour</translation>
    </message>
    <message>
        <source>渐变色</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>背景图片</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>点击选择颜色</source>
        <translation>Click to choose the colour</translation>
    </message>
    <message>
        <source>点击编辑渐变色</source>
        <translation>Click to edit the gradient</translation>
    </message>
    <message>
        <source>载入</source>
        <translation>&amp;Load…</translation>
    </message>
    <message>
        <source>背景图片自动缩放：</source>
        <translation>Scale the picture to fit</translation>
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
        <source>背景颜色</source>
        <translation>Background Colour</translation>
    </message>
    <message>
        <source>载入背景图片</source>
        <translation>Load Background Picture</translation>
    </message>
    <message>
        <source>图片文件 (*.jpg *.jpeg *.png *.bmp *.gif)</source>
        <translation>Pictures (*.jpg *.jpeg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
    <message>
        <source>图片地址不能为空！</source>
        <translation>Please choose the picture.</translation>
    </message>
</context>
<context>
    <name>TConfigForm</name>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
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
        <translation>Border around plain boxes</translation>
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
    <name>TDVEditorForm</name>
    <message>
        <source>属性</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>打开图片</source>
        <translation>Open Picture</translation>
    </message>
    <message>
        <source>图片文件 (*.jpg *.jpeg *.png *.bmp *.gif *.ico);;所有文件 (*)</source>
        <translation>Pictures (*.jpg *.jpeg *.png *.bmp *.gif *.ico);;All files (*)</translation>
    </message>
</context>
<context>
    <name>TDesignForm</name>
    <message>
        <source>工程设计</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>工程设计 *</source>
        <translation>Design *</translation>
    </message>
    <message>
        <source>工程</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>保存窗口设计</source>
        <translation>&amp;Save Design</translation>
    </message>
    <message>
        <source>随机数参数设置</source>
        <translation>&amp;Draw Parameters…</translation>
    </message>
    <message>
        <source>随机数动画设置</source>
        <translation>&amp;Animation…</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>&amp;Edit</translation>
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
        <source>属性窗口</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <source>生成框</source>
        <translation>&amp;Result Box</translation>
    </message>
    <message>
        <source>使用文本框</source>
        <translation>Use a &amp;Text Box</translation>
    </message>
    <message>
        <source>使用非文本框</source>
        <translation>Use a &amp;Plain Box</translation>
    </message>
    <message>
        <source>添加生成框</source>
        <translation>&amp;Add Result Box</translation>
    </message>
    <message>
        <source>文本框</source>
        <translation>&amp;Text Box</translation>
    </message>
    <message>
        <source>非文本框</source>
        <translation>&amp;Plain Box</translation>
    </message>
    <message>
        <source>删除生成框</source>
        <translation>&amp;Delete Result Box</translation>
    </message>
    <message>
        <source>记录框</source>
        <translation>Re&amp;cord Box</translation>
    </message>
    <message>
        <source>添加记录框</source>
        <translation>&amp;Add Record Box</translation>
    </message>
    <message>
        <source>删除记录框</source>
        <translation>&amp;Delete Record Box</translation>
    </message>
    <message>
        <source>图片名称</source>
        <translation>Picture &amp;Name</translation>
    </message>
    <message>
        <source>显示图片名称</source>
        <translation>&amp;Show Picture Name</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Re&amp;marks</translation>
    </message>
    <message>
        <source>添加备注</source>
        <translation>&amp;Add Remark</translation>
    </message>
    <message>
        <source>删除当前备注</source>
        <translation>&amp;Delete Remark</translation>
    </message>
    <message>
        <source>生成随机数按钮</source>
        <translation>Draw &amp;Button</translation>
    </message>
    <message>
        <source>使用按钮</source>
        <translation>Use the &amp;Button</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Draw &amp;Key</translation>
    </message>
    <message>
        <source>使用快捷键</source>
        <translation>Use a &amp;Key</translation>
    </message>
    <message>
        <source>当前快捷键：%1</source>
        <translation>Current key: %1</translation>
    </message>
    <message>
        <source>更改快捷键</source>
        <translation>&amp;Change Key…</translation>
    </message>
    <message>
        <source>打开工程失败</source>
        <translation>Project Not Opened</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Not Saved</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>当前工程已编辑，是否保存已编辑的内容？</source>
        <translation>The project has changed. Save the changes?</translation>
    </message>
    <message>
        <source>操作无效</source>
        <translation>Not Possible</translation>
    </message>
    <message>
        <source>您必须保留生成框和记录框中的一个，否则将无法生成随机数！</source>
        <translation>Keep the result box or the record box; without either nothing can be drawn.</translation>
    </message>
    <message>
        <source>创建备注</source>
        <translation>Add Remark</translation>
    </message>
    <message>
        <source>在窗口内的任意一处点击鼠标左键，即可在该处创建备注。</source>
        <translation>Click anywhere in the window to place the remark there.</translation>
    </message>
    <message>
        <source>备注%1</source>
        <translation>Remark %1</translation>
    </message>
    <message>
        <source>快捷键</source>
        <comment>row of the key editor</comment>
        <translation>Draw key</translation>
    </message>
</context>
<context>
    <name>TExtraButtonForm</name>
    <message>
        <source>独立按钮设置</source>
        <translation>Stop Button</translation>
    </message>
    <message>
        <source>按钮类型：</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>图片按钮</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>文字按钮</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>文字+图片按钮</source>
        <translation>Text and picture</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>按钮位置：(%1, %2)</source>
        <translation>Position: (%1, %2)</translation>
    </message>
    <message>
        <source>请确定按钮的位置</source>
        <translation>Place the Button</translation>
    </message>
    <message>
        <source>请您在项目设计界面确定按钮的位置，按下鼠标左键后定位生效。</source>
        <translation>Click in the design window where the button should be.</translation>
    </message>
    <message>
        <source>按钮已定位</source>
        <translation>Button Placed</translation>
    </message>
    <message>
        <source>按钮已完成定位，坐标为(%1,%2)</source>
        <translation>The button is placed at (%1, %2).</translation>
    </message>
    <message>
        <source>（未选择图片）</source>
        <translation>(no picture chosen)</translation>
    </message>
    <message>
        <source>（图片无法读取）</source>
        <translation>(the picture cannot be read)</translation>
    </message>
</context>
<context>
    <name>TExtraScreenForm</name>
    <message>
        <source>独立窗口设置</source>
        <translation>Result Window</translation>
    </message>
    <message>
        <source>保存当前设置</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>切换为非文本框</source>
        <translation>Use a &amp;Plain Box</translation>
    </message>
    <message>
        <source>使用格式</source>
        <translation>&amp;Format From</translation>
    </message>
    <message>
        <source>使用生成框格式</source>
        <translation>The &amp;Result Box</translation>
    </message>
    <message>
        <source>使用记录框格式</source>
        <translation>The Re&amp;cord Box</translation>
    </message>
    <message>
        <source>随机数将显示在这里</source>
        <translation>The results will show here</translation>
    </message>
    <message>
        <source>切换为文本框</source>
        <translation>Use a &amp;Text Box</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
</context>
<context>
    <name>TFirstForm</name>
    <message>
        <source>Zelmora 向导界面</source>
        <translation>Zelmora Projects</translation>
    </message>
    <message>
        <source>更改壁纸</source>
        <translation>Change Wallpaper</translation>
    </message>
    <message>
        <source>输入工程名称或备注中的文字，Esc 键取消</source>
        <translation>Name or remark; Esc cancels</translation>
    </message>
    <message>
        <source>更改壁纸(&amp;C)</source>
        <translation>&amp;Change Wallpaper…</translation>
    </message>
    <message>
        <source>使用默认壁纸(&amp;D)</source>
        <translation>Use the &amp;Default Wallpaper</translation>
    </message>
    <message>
        <source>打开(&amp;S)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>悬浮抽取(&amp;F)</source>
        <translation>Quick Draw &amp;Button</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>重命名(&amp;R)</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>属性(&amp;O)</source>
        <translation>Pr&amp;operties</translation>
    </message>
    <message>
        <source>更改图标(&amp;I)</source>
        <translation>Change &amp;Icon…</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Not Read</translation>
    </message>
    <message>
        <source>您的系统缺少微软雅黑字体</source>
        <translation>Chinese Font Missing</translation>
    </message>
    <message>
        <source>检测到您的系统没有中文字体，为了您能够正常使用本软件，请您尽快安装中文字体（例如 fonts-wqy-microhei）！</source>
        <translation>This system has no Chinese font. Projects with Chinese text need one; please install one (for example fonts-wqy-microhei).</translation>
    </message>
    <message>
        <source>（工程文件无法读取）</source>
        <translation>(the project file cannot be read)</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>QQ群号已经自动复制到剪贴板！</source>
        <translation>The QQ group number is on the clipboard.</translation>
    </message>
    <message>
        <source>只读工程</source>
        <translation>Read-only Project</translation>
    </message>
    <message>
        <source>您不能修改只读工程的名称！</source>
        <translation>A read-only project cannot be renamed.</translation>
    </message>
    <message>
        <source>重命名失败</source>
        <translation>Not Renamed</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
    <message>
        <source>该工程为只读，您不能删除该工程！</source>
        <translation>This project is read-only and cannot be deleted.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>您确定要删除掉当前工程？工程删除后将无法恢复。</source>
        <translation>Delete this project? A deleted project cannot be brought back.</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Not Deleted</translation>
    </message>
    <message>
        <source>您不能修改只读工程的图标！</source>
        <translation>The icon of a read-only project cannot be changed.</translation>
    </message>
    <message>
        <source>未选择图标</source>
        <translation>No Icon Chosen</translation>
    </message>
    <message>
        <source>请选择您要使用的图标！</source>
        <translation>Please choose an icon.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Not Saved</translation>
    </message>
</context>
<context>
    <name>TIconsForm</name>
    <message>
        <source>请选择您要使用的图标</source>
        <translation>Choose an Icon</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TMusicSetForm</name>
    <message>
        <source>[空]</source>
        <translation>[empty]</translation>
    </message>
    <message>
        <source>音乐文件 (*.wav *.wma *.mp3 *.mid)</source>
        <translation>Music (*.wav *.wma *.mp3 *.mid)</translation>
    </message>
    <message>
        <source>随机音乐编辑器</source>
        <translation>Music List</translation>
    </message>
    <message>
        <source>右击列表添加或删除音乐</source>
        <translation>Right-click the list to add or delete music</translation>
    </message>
    <message>
        <source>添加新音乐</source>
        <translation>Add Music</translation>
    </message>
    <message>
        <source>删除当前音乐</source>
        <translation>Delete Music</translation>
    </message>
    <message>
        <source>播放调试：</source>
        <translation>Listen:</translation>
    </message>
    <message>
        <source>播放</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>上一首</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一首</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>随机音乐列表（右击添加或删除）：</source>
        <translation>Music to choose from (right-click to add or delete):</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
    <message>
        <source>音乐列表不能为空！</source>
        <translation>The music list cannot be empty.</translation>
    </message>
</context>
<context>
    <name>TPropertyForm</name>
    <message>
        <source>基本属性</source>
        <translation>General</translation>
    </message>
    <message>
        <source>随机数参数</source>
        <translation>Draw Parameters</translation>
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
        <source>请输入新的访问密码：</source>
        <translation>Enter the new access password:</translation>
    </message>
    <message>
        <source>请输入新的编辑密码：</source>
        <translation>Enter the new edit password:</translation>
    </message>
    <message>
        <source>标题：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>备注：</source>
        <translation>Remark:</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>工程类型：</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>应用领域：</source>
        <translation>Used for:</translation>
    </message>
    <message>
        <source>创建时间：</source>
        <translation>Created:</translation>
    </message>
    <message>
        <source>修改时间：</source>
        <translation>Changed:</translation>
    </message>
    <message>
        <source>凭密码访问</source>
        <translation>Password to open</translation>
    </message>
    <message>
        <source>更改访问密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>访问权限：</source>
        <translation>Opening:</translation>
    </message>
    <message>
        <source>只读</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>凭密码编辑</source>
        <translation>Password to edit</translation>
    </message>
    <message>
        <source>更改编辑密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>编辑权限：</source>
        <translation>Editing:</translation>
    </message>
    <message>
        <source>%1 属性</source>
        <translation>%1 Properties</translation>
    </message>
    <message>
        <source>无法读取随机数参数：</source>
        <translation>The draw parameters cannot be read:</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Wrong Password</translation>
    </message>
    <message>
        <source>密码不能为空！</source>
        <translation>The password cannot be empty.</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Wrong Value</translation>
    </message>
    <message>
        <source>工程标题不能为空！</source>
        <translation>The project needs a title.</translation>
    </message>
    <message>
        <source>请设置密码</source>
        <translation>Password Needed</translation>
    </message>
    <message>
        <source>请设置工程访问密码！</source>
        <translation>Please set the access password.</translation>
    </message>
    <message>
        <source>请设置工程编辑密码！</source>
        <translation>Please set the edit password.</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Not Saved</translation>
    </message>
</context>
<context>
    <name>Varnel</name>
    <message>
        <source>Varnel 无法启动</source>
        <translation>Varnel Cannot Start</translation>
    </message>
</context>
<context>
    <name>designer::TPwdForm</name>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>显示密码</source>
        <translation>&amp;Show</translation>
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
        <source>当前工程已加密，请输入编辑密码：</source>
        <translation>Enter the project&apos;s edit password:</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Wrong Password</translation>
    </message>
    <message>
        <source>您输入的密码有误，请重新输入！</source>
        <translation>The password is wrong. Please enter it again.</translation>
    </message>
</context>
</TS>
