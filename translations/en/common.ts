<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>FairSettings</name>
    <message>
        <source>普通</source>
        <translation>Plain</translation>
    </message>
    <message>
        <source>轮换</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>均衡</source>
        <translation>Balanced</translation>
    </message>
    <message>
        <source>本周</source>
        <translation>this week</translation>
    </message>
    <message>
        <source>本月</source>
        <translation>this month</translation>
    </message>
    <message>
        <source>本学期</source>
        <translation>this term</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>all time</translation>
    </message>
    <message>
        <source>弱</source>
        <translation>weak</translation>
    </message>
    <message>
        <source>中</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>强</source>
        <translation>strong</translation>
    </message>
    <message>
        <source>全部历史中</source>
        <translation>in all the history</translation>
    </message>
    <message>
        <source>%1内</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>抽中机会 = 自身权重 × 1 /（1 + %1被抽中的次数）的 %2 次方</source>
        <translation>chance = own weight × 1 / (1 + times drawn %1) to the power %2</translation>
    </message>
    <message>
        <source>；最近抽中的 %1 人不参加本次抽取</source>
        <translation>; the %1 drawn last sit this draw out</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>是</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ProjectType</name>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>生成数值型随机数</source>
        <translation>Random numbers</translation>
    </message>
    <message>
        <source>随机点名</source>
        <translation>Roll call</translation>
    </message>
    <message>
        <source>随机排序</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>随机分配任务</source>
        <translation>Task assignment</translation>
    </message>
    <message>
        <source>随机抽取图片</source>
        <translation>Picture draw</translation>
    </message>
    <message>
        <source>随机密码</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>随机抽取单词/字词</source>
        <translation>Word draw</translation>
    </message>
    <message>
        <source>随机坐标</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>随机抽奖（单奖项）</source>
        <translation>Lottery (one prize)</translation>
    </message>
    <message>
        <source>随机抽奖（多奖项）</source>
        <translation>Lottery (several prizes)</translation>
    </message>
    <message>
        <source>随机四则运算</source>
        <translation>Arithmetic</translation>
    </message>
    <message>
        <source>随机多元一次方程</source>
        <translation>Linear equations</translation>
    </message>
    <message>
        <source>随机一元二次方程</source>
        <translation>Quadratic equations</translation>
    </message>
    <message>
        <source>自定义运算</source>
        <translation>Own formula</translation>
    </message>
</context>
<context>
    <name>TCColorEditForm</name>
    <message>
        <source>单击选择颜色，双击修改颜色，右击新增或删除颜色</source>
        <translation>Click to choose a colour, double-click to change it, right-click to add or delete one</translation>
    </message>
    <message>
        <source>渐变色设置</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>颜色列表：</source>
        <translation>Colours:</translation>
    </message>
    <message>
        <source>双击颜色块修改颜色；
右击颜色块新增或删除颜色；
拖动预览旁的箭头调整位置。</source>
        <translation>Double-click: change
Right-click: add, delete
Drag an arrow: move</translation>
    </message>
    <message>
        <source>渐变方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>水平</source>
        <translation>&amp;Across</translation>
    </message>
    <message>
        <source>竖直</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>效果预览：</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <source>新增颜色</source>
        <translation>&amp;Add colour</translation>
    </message>
    <message>
        <source>删除当前颜色</source>
        <translation>&amp;Delete colour</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose a colour</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>渐变色设置有误：至少需要两种颜色。</source>
        <translation>Invalid gradient: it needs at least two colours.</translation>
    </message>
    <message>
        <source>参数有误</source>
        <translation>Invalid settings</translation>
    </message>
    <message>
        <source>
已改用默认渐变色。</source>
        <translation>
The default gradient is used instead.</translation>
    </message>
    <message>
        <source>颜色总数超出限制</source>
        <translation>Too many colours</translation>
    </message>
    <message>
        <source>最多只能设置五种颜色！</source>
        <translation>There may be at most five colours!</translation>
    </message>
    <message>
        <source>颜色总数至少为两种</source>
        <translation>Too few colours</translation>
    </message>
    <message>
        <source>必须保留至少两种颜色！</source>
        <translation>At least two colours must remain!</translation>
    </message>
    <message>
        <source>拖动以调整当前颜色的位置</source>
        <translation>Drag to move this colour</translation>
    </message>
    <message>
        <source>首尾两种颜色的位置固定</source>
        <translation>The first and last colours stay in place</translation>
    </message>
    <message>
        <source>当前颜色：第%1种
RGB(%2,%3,%4)
位置：%5%</source>
        <translation>Colour %1
RGB(%2,%3,%4)
Position: %5%</translation>
    </message>
</context>
<context>
    <name>TVEditForm</name>
    <message>
        <source>属性编辑器</source>
        <translation>Property editor</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
</TS>
