<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>DialogRows</name>
    <message>
        <source>编码格式：</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>插入组</source>
        <translation>Insert &amp;group</translation>
    </message>
    <message>
        <source>是否允许重复</source>
        <translation>Allow repeats</translation>
    </message>
</context>
<context>
    <name>GroupStatistics</name>
    <message>
        <source>最小值、最大值和精确度必须是有效的数字！</source>
        <translation>Minimum, maximum and precision must be valid numbers!</translation>
    </message>
    <message>
        <source>最大值不能小于最小值！</source>
        <translation>The maximum must not be less than the minimum!</translation>
    </message>
    <message>
        <source>当前精确度下无法生成随机数，请重新设置相关参数！</source>
        <translation>No number can be drawn at this precision; please change the settings!</translation>
    </message>
</context>
<context>
    <name>ModeDialog</name>
    <message>
        <source>保存设置</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>可验证抽取</source>
        <translation>&amp;Verifiable draw</translation>
    </message>
    <message>
        <source>抽取前公布承诺指纹，抽取后生成任何人都能重算核对的证书</source>
        <translation>Publish a commitment fingerprint before the draw; afterwards a certificate anyone can recompute and check is written</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Invalid settings</translation>
    </message>
    <message>
        <source>该工程类型的参数设置窗口无法打开！</source>
        <translation>The settings window of this project type cannot be opened!</translation>
    </message>
    <message>
        <source>点此编辑参数</source>
        <translation>Click here to &amp;edit the settings</translation>
    </message>
</context>
<context>
    <name>TCalSetForm</name>
    <message>
        <source>计算模式 参数设置</source>
        <translation>Calculation mode settings</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>重置所有变量</source>
        <translation>Reset all variables</translation>
    </message>
    <message>
        <source>变量名</source>
        <translation>Variable</translation>
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
        <source>精确度</source>
        <translation>Precision</translation>
    </message>
    <message>
        <source>关系表达式</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>条件编号</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>表达式1</source>
        <translation>Expression 1</translation>
    </message>
    <message>
        <source>关系</source>
        <translation>Relation</translation>
    </message>
    <message>
        <source>表达式2</source>
        <translation>Expression 2</translation>
    </message>
    <message>
        <source>删除当前变量(&amp;V)</source>
        <translation>Delete this &amp;variable</translation>
    </message>
    <message>
        <source>删除当前条件(&amp;C)</source>
        <translation>Delete this &amp;condition</translation>
    </message>
    <message>
        <source>且</source>
        <translation>All (and)</translation>
    </message>
    <message>
        <source>或</source>
        <translation>Any (or)</translation>
    </message>
    <message>
        <source>重新取值</source>
        <translation>Draw again</translation>
    </message>
    <message>
        <source>取当前值</source>
        <translation>Take the value</translation>
    </message>
    <message>
        <source>下列条件关系：</source>
        <translation>The conditions below combine as:</translation>
    </message>
    <message>
        <source>当相关变量符合下列条件时：</source>
        <translation>When the variables meet the conditions below:</translation>
    </message>
    <message>
        <source>取值条件列表：</source>
        <translation>Conditions:</translation>
    </message>
    <message>
        <source>生成的随机数数量：</source>
        <translation>Number of results:</translation>
    </message>
    <message>
        <source>变量列表：</source>
        <translation>Variables:</translation>
    </message>
    <message>
        <source>随机变量设置：</source>
        <translation>Random variables:</translation>
    </message>
    <message>
        <source>关系变量设置：</source>
        <translation>Derived variables:</translation>
    </message>
    <message>
        <source>变量错误</source>
        <translation>Invalid variables</translation>
    </message>
    <message>
        <source>变量列表不能为空！</source>
        <translation>The variable list must not be empty!</translation>
    </message>
    <message>
        <source>变量名不能为空！</source>
        <translation>A variable name must not be empty!</translation>
    </message>
    <message>
        <source>变量的起始字符不能为数字！</source>
        <translation>A variable name must not start with a digit!</translation>
    </message>
    <message>
        <source>变量名中不得含有“|”“[”或“]”！</source>
        <translation>A variable name must not contain “|”, “[” or “]”!</translation>
    </message>
    <message>
        <source>变量名不得重复！</source>
        <translation>Variable names must not repeat!</translation>
    </message>
    <message>
        <source>变量总数不得超过100个！</source>
        <translation>There may be at most 100 variables!</translation>
    </message>
    <message>
        <source>题目格式：</source>
        <translation>Question format:</translation>
    </message>
    <message>
        <source>四则运算题目数量：</source>
        <translation>Number of questions:</translation>
    </message>
    <message>
        <source>生成的方程组数量：</source>
        <translation>Number of equations:</translation>
    </message>
    <message>
        <source>您尚未设置任何变量！</source>
        <translation>You have not set any variables yet!</translation>
    </message>
    <message>
        <source>未设置变量</source>
        <translation>No variables</translation>
    </message>
    <message>
        <source>%1不能为空！</source>
        <translation>%1 must not be empty!</translation>
    </message>
    <message>
        <source>部分变量尚未设置，请您将此类变量移到随机变量列表或关系变量列表中！</source>
        <translation>Some variables are not set yet; please drag them into the random variables or the derived variables list!</translation>
    </message>
    <message>
        <source>变量未设置</source>
        <translation>Variables not set</translation>
    </message>
    <message>
        <source>随机变量列表中不得有空项！</source>
        <translation>The random variables list must not have empty cells!</translation>
    </message>
    <message>
        <source>随机变量列表第%1行：</source>
        <translation>Random variables, row %1: </translation>
    </message>
    <message>
        <source>关系变量列表中不得有空项！</source>
        <translation>The derived variables list must not have empty cells!</translation>
    </message>
    <message>
        <source>关系变量列表第%1行：关系表达式中不得含有“|”！</source>
        <translation>Derived variables, row %1: the expression must not contain “|”!</translation>
    </message>
    <message>
        <source>请您将取值条件填写完整，或者删除不完整的取值条件！</source>
        <translation>Please complete the conditions, or delete the incomplete ones!</translation>
    </message>
    <message>
        <source>取值条件第%1行：区间的表达式2应写成“下限,上限”！</source>
        <translation>Condition %1: for an interval, write expression 2 as “lower,upper”!</translation>
    </message>
    <message>
        <source>取值条件第%1行：表达式中不得含有“|”！</source>
        <translation>Condition %1: the expressions must not contain “|”!</translation>
    </message>
    <message>
        <source>等于</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>不等于</source>
        <translation>differs from</translation>
    </message>
    <message>
        <source>大于</source>
        <translation>greater than</translation>
    </message>
    <message>
        <source>小于</source>
        <translation>less than</translation>
    </message>
    <message>
        <source>大于或等于</source>
        <translation>at least</translation>
    </message>
    <message>
        <source>小于或等于</source>
        <translation>at most</translation>
    </message>
    <message>
        <source>介于(开区间)</source>
        <translation>between (open)</translation>
    </message>
    <message>
        <source>介于(闭区间)</source>
        <translation>between (closed)</translation>
    </message>
    <message>
        <source>未介于(开区间)</source>
        <translation>not between (open)</translation>
    </message>
    <message>
        <source>未介于(闭区间)</source>
        <translation>not between (closed)</translation>
    </message>
</context>
<context>
    <name>TCreateForm</name>
    <message>
        <source>工程创建向导</source>
        <translation>New Project Wizard</translation>
    </message>
    <message>
        <source>选择背景图片</source>
        <translation>Choose a background picture</translation>
    </message>
    <message>
        <source>图片文件 (*.jpg *.jpeg *.png *.bmp *.gif)</source>
        <translation>Pictures (*.jpg *.jpeg *.png *.bmp *.gif)</translation>
    </message>
    <message>
        <source>选择背景颜色</source>
        <translation>Choose a background colour</translation>
    </message>
    <message>
        <source>上一步</source>
        <translation>&lt; &amp;Back</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>&amp;Next &gt;</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>第一步：设定工程名称及类型</source>
        <translation>Step 1: name and type</translation>
    </message>
    <message>
        <source>第二步：设定随机数参数</source>
        <translation>Step 2: draw settings</translation>
    </message>
    <message>
        <source>第三步：设置随机数窗口基本信息</source>
        <translation>Step 3: drawing window</translation>
    </message>
    <message>
        <source>项目名称：</source>
        <translation>&amp;Project name:</translation>
    </message>
    <message>
        <source>工程类型：</source>
        <translation>Project type:</translation>
    </message>
    <message>
        <source>随机数配置：</source>
        <translation>Draw settings:</translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>Window &amp;title:</translation>
    </message>
    <message>
        <source>背景：</source>
        <translation>Background:</translation>
    </message>
    <message>
        <source>固定颜色</source>
        <translation>Colour</translation>
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
        <source>单击选择背景颜色</source>
        <translation>Click to choose the background colour</translation>
    </message>
    <message>
        <source>单击编辑渐变色</source>
        <translation>Click to edit the gradient</translation>
    </message>
    <message>
        <source>载入</source>
        <translation>&amp;Load…</translation>
    </message>
    <message>
        <source>背景图片自动缩放：</source>
        <translation>Stretch the picture:</translation>
    </message>
    <message>
        <source>生成框与记录框：</source>
        <translation>Result box and record box:</translation>
    </message>
    <message>
        <source>生成框：</source>
        <translation>Result box:</translation>
    </message>
    <message>
        <source>使用文本框</source>
        <translation>Text box</translation>
    </message>
    <message>
        <source>使用非文本框</source>
        <translation>Plain label</translation>
    </message>
    <message>
        <source>记录框：</source>
        <translation>Record box:</translation>
    </message>
    <message>
        <source>当前工程类型无需设置此参数</source>
        <translation>This project type needs no setting here</translation>
    </message>
    <message>
        <source>随机数生成方式：</source>
        <translation>Start a draw with:</translation>
    </message>
    <message>
        <source>使用按钮</source>
        <translation>A button</translation>
    </message>
    <message>
        <source>使用快捷键</source>
        <translation>A key</translation>
    </message>
    <message>
        <source>动画：</source>
        <translation>Animation:</translation>
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
        <translation>Animate the result and record boxes</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Invalid settings</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Cannot read</translation>
    </message>
    <message>
        <source>项目文件“%1”已经存在，请更换项目名称！</source>
        <translation>The project file “%1” already exists; please choose another name!</translation>
    </message>
    <message>
        <source>请设置随机数相关参数！</source>
        <translation>Please set the draw settings!</translation>
    </message>
    <message>
        <source>窗口标题不能为空！</source>
        <translation>The window title must not be empty!</translation>
    </message>
    <message>
        <source>请设置渐变色！</source>
        <translation>Please set the gradient!</translation>
    </message>
    <message>
        <source>背景图片地址不能为空！</source>
        <translation>Please choose the background picture!</translation>
    </message>
    <message>
        <source>您至少需要选择生成框或记录框中的一个，否则随机数将无法显示！</source>
        <translation>Choose the result box or the record box (or both), or the results cannot be shown!</translation>
    </message>
    <message>
        <source>您至少需要选择使用按钮或快捷键中的一个，否则将无法生成随机数！</source>
        <translation>Choose a button or a key (or both), or no draw can be started!</translation>
    </message>
    <message>
        <source>工程创建向导 第二步</source>
        <translation>New Project Wizard – Step 2</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>工程创建向导 第三步</source>
        <translation>New Project Wizard – Step 3</translation>
    </message>
    <message>
        <source>项目文件“%1”已经存在，请返回第一步更换项目名称！</source>
        <translation>The project file “%1” already exists; please go back to step 1 and choose another name!</translation>
    </message>
    <message>
        <source>项目名称不能与现有的项目名称重复！</source>
        <translation>A project of this name already exists!</translation>
    </message>
    <message>
        <source>项目创建失败</source>
        <translation>Project not created</translation>
    </message>
    <message>
        <source>项目创建完毕</source>
        <translation>Project created</translation>
    </message>
    <message>
        <source>项目创建完毕，即将进入随机数设计界面。</source>
        <translation>The project has been created; the designer opens next.</translation>
    </message>
</context>
<context>
    <name>TEquationSetForm</name>
    <message>
        <source>多元一次方程模式 参数设置</source>
        <translation>Linear equations settings</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>未知量</source>
        <translation>Unknown</translation>
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
        <source>精确度</source>
        <translation>Precision</translation>
    </message>
    <message>
        <source>重置方程</source>
        <translation>Reset the equation</translation>
    </message>
    <message>
        <source>题目数量：</source>
        <translation>Number of questions:</translation>
    </message>
    <message>
        <source>方程元数：</source>
        <translation>Number of unknowns:</translation>
    </message>
    <message>
        <source>未知量列表：</source>
        <translation>Unknowns:</translation>
    </message>
    <message>
        <source>系数列表：</source>
        <translation>Coefficients:</translation>
    </message>
    <message>
        <source>方程表达式：</source>
        <translation>Equation:</translation>
    </message>
    <message>
        <source>方程元数有误</source>
        <translation>Invalid number of unknowns</translation>
    </message>
    <message>
        <source>方程元数不能为空！</source>
        <translation>The number of unknowns must not be empty!</translation>
    </message>
    <message>
        <source>方程元数不能为0！</source>
        <translation>The number of unknowns must not be 0!</translation>
    </message>
    <message>
        <source>方程元数不能超过26！</source>
        <translation>There may be at most 26 unknowns!</translation>
    </message>
    <message>
        <source>%1第%2行：</source>
        <translation>%1, row %2: </translation>
    </message>
    <message>
        <source>您尚未设置方程相关参数！</source>
        <translation>You have not set up the equation yet!</translation>
    </message>
    <message>
        <source>参数尚未设置</source>
        <translation>Settings missing</translation>
    </message>
    <message>
        <source>题目数量不能为空！</source>
        <translation>The number of questions must not be empty!</translation>
    </message>
    <message>
        <source>未知量列表和系数列表内的参数中不得有空项！</source>
        <translation>The unknowns and coefficients lists must not have empty cells!</translation>
    </message>
    <message>
        <source>未知量列表</source>
        <translation>Unknowns</translation>
    </message>
    <message>
        <source>系数列表</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>未知量名称中不得含有“,”或“|”！</source>
        <translation>An unknown&apos;s name must not contain “,” or “|”!</translation>
    </message>
    <message>
        <source>未知量设置有误</source>
        <translation>Invalid unknowns</translation>
    </message>
    <message>
        <source>未知量列表中的未知数名称不得重复！</source>
        <translation>The names of the unknowns must not repeat!</translation>
    </message>
</context>
<context>
    <name>TGroupSetForm</name>
    <message>
        <source>编号</source>
        <translation>Numbering</translation>
    </message>
    <message>
        <source>数值范围模式</source>
        <translation>Number range</translation>
    </message>
    <message>
        <source>列举模式</source>
        <translation>List</translation>
    </message>
    <message>
        <source>密码模式</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>图片模式</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>编号类型</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>编号列表</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>编号起始值</source>
        <translation>Start value</translation>
    </message>
    <message>
        <source>组名称</source>
        <translation>Group name</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>组合模式编辑器</source>
        <translation>Combination editor</translation>
    </message>
    <message>
        <source>添加一组</source>
        <translation>&amp;Add a group</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move &amp;down</translation>
    </message>
    <message>
        <source>生成的随机数数量：</source>
        <translation>Number of results:</translation>
    </message>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
    <message>
        <source>%1组</source>
        <translation>%1 group(s)</translation>
    </message>
    <message>
        <source>点此编辑</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>删除该组</source>
        <translation>De&amp;lete group</translation>
    </message>
    <message>
        <source>从文件导入…</source>
        <translation>&amp;Import from file…</translation>
    </message>
    <message>
        <source>类型：</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>注：如果您要在随机数中显示图片名称，请在编码格式中插入当前组名称。</source>
        <translation>Note: to show the picture&apos;s name in the result, insert this group&apos;s name into the format.</translation>
    </message>
    <message>
        <source>生成随机坐标数量：</source>
        <translation>Number of coordinates:</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Invalid settings</translation>
    </message>
    <message>
        <source>组合模式最多只能设置%1组，无法再添加新的组！</source>
        <translation>A combination holds at most %1 groups; no more can be added!</translation>
    </message>
    <message>
        <source>最多只能设置一组编号！</source>
        <translation>There may be only one numbering group!</translation>
    </message>
    <message>
        <source>最多只能设置一组图片模式的随机数！</source>
        <translation>There may be only one picture group!</translation>
    </message>
    <message>
        <source>每人分配任务数量</source>
        <translation>Tasks per person</translation>
    </message>
    <message>
        <source>抽奖后，排除已抽过的人员</source>
        <translation>Leave out people already drawn</translation>
    </message>
    <message>
        <source>每个奖项获得人数</source>
        <translation>Winners per prize</translation>
    </message>
    <message>
        <source>编号有误</source>
        <translation>Invalid numbering</translation>
    </message>
    <message>
        <source>编号列表不能为空！</source>
        <translation>The label list must not be empty!</translation>
    </message>
    <message>
        <source>编号列表中不得含有“#”或“|”！</source>
        <translation>The label list must not contain “#” or “|”!</translation>
    </message>
    <message>
        <source>编号起始值不能为空！</source>
        <translation>The start value must not be empty!</translation>
    </message>
    <message>
        <source>组名称中不得含有“#”或“|”！</source>
        <translation>A group name must not contain “#” or “|”!</translation>
    </message>
    <message>
        <source>组名称“%1”已被其他组使用，请换一个名称！</source>
        <translation>Another group is already named “%1”; please choose another name!</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>您确定要删除掉当前组？</source>
        <translation>Delete this group?</translation>
    </message>
    <message>
        <source>编码格式不能为空！</source>
        <translation>The format must not be empty!</translation>
    </message>
    <message>
        <source>编码格式有误</source>
        <translation>Invalid format</translation>
    </message>
    <message>
        <source>相关参数不能为空，请填写完整！</source>
        <translation>Some settings are empty; please fill them all in!</translation>
    </message>
    <message>
        <source>不能只设置组类型为编号的一组！</source>
        <translation>A combination cannot consist of a numbering group alone!</translation>
    </message>
    <message>
        <source>出错的组：</source>
        <translation>Group: </translation>
    </message>
    <message>
        <source>该组可生成的随机数数量：</source>
        <translation>Results the group can give: </translation>
    </message>
    <message>
        <source>该组实际所需生成的随机数数量：</source>
        <translation>Results needed from the group: </translation>
    </message>
    <message>
        <source>整体可生成的随机数数量：</source>
        <translation>Results the combination can give: </translation>
    </message>
    <message>
        <source>在对应组内生成的随机数不允许重复的情况下，可生成的随机数数量小于要生成的随机数数量，请修改组合模式下生成随机数的数量或对应组内生成随机数的数量。</source>
        <translation>Without repeats inside the group, the group can give fewer results than are needed; please change the number of results of the combination or of the group.</translation>
    </message>
    <message>
        <source>在整体生成的随机数不允许重复的情况下，整体可生成的随机数数量小于要生成的随机数数量，请修改组合模式下生成随机数的数量或对应组内生成随机数的数量。</source>
        <translation>Without repeats overall, the combination can give fewer results than are asked for; please change the number of results of the combination or of its groups.</translation>
    </message>
</context>
<context>
    <name>TImportListForm</name>
    <message>
        <source>从文件导入名单</source>
        <translation>Import a class list</translation>
    </message>
    <message>
        <source>名单文件 (*.xlsx *.csv *.tsv *.txt *.xls);;所有文件 (*)</source>
        <translation>Class lists (*.xlsx *.csv *.tsv *.txt *.xls);;All files (*)</translation>
    </message>
    <message>
        <source>导入名单</source>
        <translation>Import a list</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>第一行是标题</source>
        <translation>First row is a &amp;header</translation>
    </message>
    <message>
        <source>按行读取（每格一个名字）</source>
        <translation>Read by &amp;rows (one name per cell)</translation>
    </message>
    <message>
        <source>拆分格中的多个名字（按 、，,;； 分开）</source>
        <translation>&amp;Split several names in a cell (at 、，,;；)</translation>
    </message>
    <message>
        <source>替换现有名单</source>
        <translation>Re&amp;place the list</translation>
    </message>
    <message>
        <source>追加到现有名单</source>
        <translation>&amp;Append to the list</translation>
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
        <source>工作表：</source>
        <translation>Shee&amp;t:</translation>
    </message>
    <message>
        <source>姓名所在列：</source>
        <translation>Colu&amp;mn of names:</translation>
    </message>
    <message>
        <source>%1 列</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>%1 列（%2）</source>
        <translation>Column %1 (%2)</translation>
    </message>
    <message>
        <source>该工作表是空的。</source>
        <translation>This sheet is empty.</translation>
    </message>
    <message>
        <source>共 %1 行，这里显示前 %2 行。</source>
        <translation>%1 rows; the first %2 are shown.</translation>
    </message>
    <message>
        <source>共 %1 行。</source>
        <translation>%1 rows.</translation>
    </message>
    <message>
        <source>第 %1 列以右的单元格没有读入。</source>
        <translation> Cells right of column %1 were not read.</translation>
    </message>
    <message>
        <source>所选的列中没有姓名，请换一列或换一个工作表。</source>
        <translation>The chosen column holds no names; please choose another column or sheet.</translation>
    </message>
    <message>
        <source>将导入 %1 个姓名：%2%3</source>
        <translation>%1 names will be imported: %2%3</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>……</source>
        <translation>…</translation>
    </message>
    <message>
        <source>其中 %1 个姓名中的换行已改为空格。</source>
        <translation>Line breaks in %1 of them became spaces.</translation>
    </message>
    <message>
        <source>其中 %1 个姓名含有分隔符“%2”，每个都作为一项完整导入。</source>
        <translation>%1 of them contain the separator “%2”; each is imported whole.</translation>
    </message>
    <message>
        <source>名单中已用到全部六种分隔符，无法让每个姓名保持完整，请先在表格中修改这些姓名。</source>
        <translation>The names use all six separators, so they cannot be kept whole; please change these names in the table first.</translation>
    </message>
    <message>
        <source>为使这些姓名不被拆开，分隔符将改为“%1”。</source>
        <translation>To keep these names whole, the separator becomes “%1”.</translation>
    </message>
</context>
<context>
    <name>TListSetForm</name>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>半角逗号</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>半角分号</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>全角逗号</source>
        <translation>Full-width comma</translation>
    </message>
    <message>
        <source>全角分号</source>
        <translation>Full-width semicolon</translation>
    </message>
    <message>
        <source>全角空格</source>
        <translation>Full-width space</translation>
    </message>
    <message>
        <source>列举模式 参数设置</source>
        <translation>List mode settings</translation>
    </message>
    <message>
        <source>随机数名单：</source>
        <translation>List:</translation>
    </message>
    <message>
        <source>从文件导入…</source>
        <translation>&amp;Import from file…</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>随机数列表</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>概率</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>删除当前行</source>
        <translation>&amp;Delete row</translation>
    </message>
    <message>
        <source>新增一行</source>
        <translation>&amp;Add row</translation>
    </message>
    <message>
        <source>设置概率</source>
        <translation>Set &amp;probabilities</translation>
    </message>
    <message>
        <source>加权</source>
        <translation>Weights</translation>
    </message>
    <message>
        <source>百分比</source>
        <translation>Percentages</translation>
    </message>
    <message>
        <source>生成的随机数数量：</source>
        <translation>Number of results:</translation>
    </message>
    <message>
        <source>是否允许重复？</source>
        <translation>Allow &amp;repeats</translation>
    </message>
    <message>
        <source>生成随机数后，自动排除已生成的随机数</source>
        <translation>Leave out what has been drawn</translation>
    </message>
    <message>
        <source>分隔符：</source>
        <translation>Separator:</translation>
    </message>
    <message>
        <source>公平抽取</source>
        <translation>Fair draws</translation>
    </message>
    <message>
        <source>每次抽取互不相关（原来的方式）</source>
        <translation>Every draw on its own (as before)</translation>
    </message>
    <message>
        <source>每人都被抽到一次之前，不会有人被抽到第二次；跨抽取、跨窗口、跨重启</source>
        <translation>Nobody is drawn twice before everyone has been drawn once; across draws, windows and restarts</translation>
    </message>
    <message>
        <source>人人都可能被抽到，但一段时间内被抽到越多，机会越小</source>
        <translation>Everyone can be drawn, but the more often in a period, the smaller the chance</translation>
    </message>
    <message>
        <source>统计范围：</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>力度：</source>
        <translation>Strength:</translation>
    </message>
    <message>
        <source>跳过最近抽中的人数：</source>
        <translation>Skip the latest drawn:</translation>
    </message>
    <message>
        <source>每人都被抽到一次后才开始新一轮；加权名单在一轮之内保持权重</source>
        <translation>A new round starts once everyone has been drawn; a weighted list keeps its weights within a round</translation>
    </message>
    <message>
        <source>每次抽取互不相关</source>
        <translation>Every draw on its own</translation>
    </message>
    <message>
        <source>“%1”抽取已经记住谁被抽到过，不能同时使用自动排除功能，请取消其中之一！</source>
        <translation>“%1” draws already remember who was drawn and cannot be combined with leaving out drawn items; please turn one of them off!</translation>
    </message>
    <message>
        <source>概率/%</source>
        <translation>Weight/%</translation>
    </message>
    <message>
        <source>名单：</source>
        <translation>Names:</translation>
    </message>
    <message>
        <source>每次点名人数</source>
        <translation>Names per draw</translation>
    </message>
    <message>
        <source>单词/字词名单：</source>
        <translation>Words:</translation>
    </message>
    <message>
        <source>每次抽取数量</source>
        <translation>Words per draw</translation>
    </message>
    <message>
        <source>抽取一个单词/字词后，自动排除该单词/字词</source>
        <translation>Leave out a word once it has been drawn</translation>
    </message>
    <message>
        <source>抽奖人员名单：</source>
        <translation>Participants:</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>不能在设置概率的同时使用自动排除随机数功能！</source>
        <translation>Probabilities cannot be combined with leaving out what has been drawn!</translation>
    </message>
    <message>
        <source>设置有误</source>
        <translation>Invalid settings</translation>
    </message>
    <message>
        <source>相关参数不能为空，请填写完整！</source>
        <translation>Some settings are empty; please fill them all in!</translation>
    </message>
    <message>
        <source>名单第%1行的概率“%2”必须是%3整数，请重新填写！</source>
        <translation>The weight “%2” in row %1 must be a whole number %3; please correct it!</translation>
    </message>
    <message>
        <source>大于0的</source>
        <translation>above 0</translation>
    </message>
    <message>
        <source>不小于0的</source>
        <translation>of at least 0</translation>
    </message>
    <message>
        <source>名单概率总和必须为100%！</source>
        <translation>The percentages must add up to 100%!</translation>
    </message>
    <message>
        <source>名单概率总和必须大于0！</source>
        <translation>The weights must add up to more than 0!</translation>
    </message>
    <message>
        <source>导入失败</source>
        <translation>Import failed</translation>
    </message>
    <message>
        <source>文件“%1”需要的内存超出了本机可用的内存，未导入任何内容。</source>
        <translation>The file “%1” needs more memory than this computer has; nothing was imported.</translation>
    </message>
    <message>
        <source>读取文件“%1”时出错（%2），未导入任何内容。</source>
        <translation>Reading the file “%1” failed (%2); nothing was imported.</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Paste failed</translation>
    </message>
    <message>
        <source>粘贴的表格</source>
        <translation>Pasted table</translation>
    </message>
    <message>
        <source>名单中已用到全部六种分隔符，无法让每个姓名保持完整，请先在表格中修改这些姓名。</source>
        <translation>The names use all six separators, so they cannot be kept whole; please change these names in the table first.</translation>
    </message>
    <message>
        <source>“%1”抽取每次抽出的人互不相同，名单中不同的条目（%2 个）不能少于每次抽取的数量，请重新设置！</source>
        <translation>“%1” draws never draw anyone twice at once: the list&apos;s different items (%2) must not be fewer than the number drawn each time; please change the settings!</translation>
    </message>
    <message>
        <source>“跳过最近抽中的人数”最多为 %1（名单中不同的条目 %2 个，减去每次抽取的 %3 个），请减小！</source>
        <translation>“Skip the latest drawn” may be at most %1 (%2 different items in the list less the %3 drawn each time); please lower it!</translation>
    </message>
    <message>
        <source>名单中含有换行，而换行不是分隔符，整段文字会被当作一项抽取。
是否把每一行作为单独的一项（以“%1”分隔）？</source>
        <translation>The list holds line breaks, which do not separate items, so the whole text would be drawn as one item.
Make every line an item of its own (separated by “%1”)?</translation>
    </message>
    <message>
        <source>在不允许重复的情况下，随机数名单中的可生成随机数数量小于要生成的随机数数量，请重新设置！</source>
        <translation>Without repeats, the list holds fewer items than are to be drawn; please change the settings!</translation>
    </message>
    <message>
        <source>粘贴的名字中含有分隔符“%1”，为使每个名字保持完整，分隔符要改为“%2”。
是否改用“%2”并粘贴？</source>
        <translation>The pasted names contain the separator “%1”; to keep every name whole the separator must become “%2”.
Use “%2” and paste?</translation>
    </message>
</context>
<context>
    <name>TPicSetForm</name>
    <message>
        <source>图片模式 参数设置</source>
        <translation>Picture mode settings</translation>
    </message>
    <message>
        <source>添加新图片</source>
        <translation>&amp;Add pictures</translation>
    </message>
    <message>
        <source>删除当前图片</source>
        <translation>&amp;Delete picture</translation>
    </message>
    <message>
        <source>抽取照片后，自动排除已抽取的照片</source>
        <translation>Leave out pictures already drawn</translation>
    </message>
    <message>
        <source>图片列表：</source>
        <translation>Pictures:</translation>
    </message>
    <message>
        <source>图片预览：</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <source>抽取照片数量：</source>
        <translation>Pictures per draw:</translation>
    </message>
    <message>
        <source>无法显示该图片</source>
        <translation>This picture cannot be shown</translation>
    </message>
    <message>
        <source>图片文件 (*.jpg *.jpeg *.png *.bmp *.gif);;所有文件 (*)</source>
        <translation>Pictures (*.jpg *.jpeg *.png *.bmp *.gif);;All files (*)</translation>
    </message>
    <message>
        <source>图片列表不能为空！</source>
        <translation>The picture list must not be empty!</translation>
    </message>
    <message>
        <source>抽取图片数量不能为空！</source>
        <translation>The number of pictures must not be empty!</translation>
    </message>
    <message>
        <source>图片总数小于要抽取的图片数量，请重新设置！</source>
        <translation>There are fewer pictures than are to be drawn; please change the settings!</translation>
    </message>
</context>
<context>
    <name>TPwdSetForm</name>
    <message>
        <source>小写字母</source>
        <translation>Lower case</translation>
    </message>
    <message>
        <source>大写字母</source>
        <translation>Upper case</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Digits</translation>
    </message>
    <message>
        <source>特殊符号</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>密码模式 参数设置</source>
        <translation>Password mode settings</translation>
    </message>
    <message>
        <source>密码选项：</source>
        <translation>Password characters:</translation>
    </message>
    <message>
        <source>密码长度：</source>
        <translation>Password length:</translation>
    </message>
    <message>
        <source>随机数数量：</source>
        <translation>Number of passwords:</translation>
    </message>
    <message>
        <source>相关参数不能为空，请填写完整！</source>
        <translation>Some settings are empty; please fill them all in!</translation>
    </message>
    <message>
        <source>至少应勾选一个密码选项！</source>
        <translation>Tick at least one kind of character!</translation>
    </message>
    <message>
        <source>密码长度不能为0，请重新设置！</source>
        <translation>The password length must not be 0; please change it!</translation>
    </message>
    <message>
        <source>随机数数量不能为0，请重新设置！</source>
        <translation>The number of passwords must not be 0; please change it!</translation>
    </message>
</context>
<context>
    <name>TRandQueryForm</name>
    <message>
        <source>更改随机数参数</source>
        <translation>Change the draw settings</translation>
    </message>
    <message>
        <source>随机数配置：</source>
        <translation>Draw settings:</translation>
    </message>
    <message>
        <source>将当前工程转换为自定义类型</source>
        <translation>Convert this project to a custom one</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>随机数参数</source>
        <translation>Draw settings</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Cannot read</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>当前工程已经成功保存为自定义类型！</source>
        <translation>The project has been saved as a custom project!</translation>
    </message>
    <message>
        <source>确认将当前工程转换为自定义类型？转换完成之后，原有的数据不会改变，您将可以使用组合模式(或计算模式下)下的所有功能。转换完成后无法恢复为原有工程类型。</source>
        <translation>Convert this project to a custom project? Its data stay as they are, and every feature of the combination (or calculation) mode becomes available. The project cannot be turned back into its former type.</translation>
    </message>
</context>
<context>
    <name>TRangeNumSetForm</name>
    <message>
        <source>数值范围模式 参数设置</source>
        <translation>Number range settings</translation>
    </message>
    <message>
        <source>是否允许重复？</source>
        <translation>Allow &amp;repeats</translation>
    </message>
    <message>
        <source>最大值：</source>
        <translation>Ma&amp;ximum:</translation>
    </message>
    <message>
        <source>最小值：</source>
        <translation>Mi&amp;nimum:</translation>
    </message>
    <message>
        <source>精确度：</source>
        <translation>&amp;Precision:</translation>
    </message>
    <message>
        <source>格式：</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>生成的随机数数量：</source>
        <translation>Number of results:</translation>
    </message>
    <message>
        <source>相关参数不能为空，请填写完整！</source>
        <translation>Some settings are empty; please fill them all in!</translation>
    </message>
    <message>
        <source>最大值、最小值和精确度必须是有效的数字，请重新填写！</source>
        <translation>Maximum, minimum and precision must be valid numbers; please correct them!</translation>
    </message>
    <message>
        <source>生成的随机数数量必须是不小于1的整数，请重新填写！</source>
        <translation>The number of results must be a whole number of at least 1; please correct it!</translation>
    </message>
    <message>
        <source>最大值不能小于最小值！</source>
        <translation>The maximum must not be less than the minimum!</translation>
    </message>
    <message>
        <source>当前精确度下无法生成随机数，请重新设置相关参数！</source>
        <translation>No number can be drawn at this precision; please change the settings!</translation>
    </message>
    <message>
        <source>在不允许重复的情况下，生成的随机数数量大于可生成的随机数数量，请重新设置相关参数！</source>
        <translation>Without repeats, more numbers are asked for than the range holds; please change the settings!</translation>
    </message>
</context>
</TS>
