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
</TS>
