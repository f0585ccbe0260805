<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>DescribeQuery</name>
    <message>
        <source>当【%1】时，%2</source>
        <translation>When [%1]: %2</translation>
    </message>
    <message>
        <source>变量列表：</source>
        <translation>Variables: </translation>
    </message>
    <message>
        <source>编码格式：</source>
        <translation>Result format: </translation>
    </message>
    <message>
        <source>题目格式：</source>
        <translation>Question format: </translation>
    </message>
    <message>
        <source>随机变量列表：</source>
        <translation>Random variables:</translation>
    </message>
    <message>
        <source>[%1]：最小值：%2&#x3000;最大值：%3&#x3000;精确度：%4</source>
        <translation>[%1]: minimum: %2&#x3000;maximum: %3&#x3000;precision: %4</translation>
    </message>
    <message>
        <source>关系变量列表：</source>
        <translation>Computed variables:</translation>
    </message>
    <message>
        <source>生成的随机数数量：</source>
        <translation>Number of results: </translation>
    </message>
    <message>
        <source>题目数量：</source>
        <translation>Number of questions: </translation>
    </message>
    <message>
        <source>是否允许重复：</source>
        <translation>Repeats allowed: </translation>
    </message>
    <message>
        <source>方程元数：</source>
        <translation>Unknowns per system: </translation>
    </message>
    <message>
        <source>未知量列表：</source>
        <translation>Unknowns:</translation>
    </message>
    <message>
        <source>【%1】%2：最小值：%3&#x3000;最大值：%4&#x3000;精确度：%5</source>
        <translation>[%1] %2: minimum: %3&#x3000;maximum: %4&#x3000;precision: %5</translation>
    </message>
    <message>
        <source>系数列表：</source>
        <translation>Coefficients:</translation>
    </message>
    <message>
        <source>【%1】：最小值：%2&#x3000;最大值：%3&#x3000;精确度：%4</source>
        <translation>[%1]: minimum: %2&#x3000;maximum: %3&#x3000;precision: %4</translation>
    </message>
    <message>
        <source>方程表达式：</source>
        <translation>Equation: </translation>
    </message>
    <message>
        <source>坐标维数：</source>
        <translation>Dimensions: </translation>
    </message>
    <message>
        <source>第%1维：</source>
        <translation>Dimension %1:</translation>
    </message>
    <message>
        <source>最小值：</source>
        <translation>Minimum: </translation>
    </message>
    <message>
        <source>最大值：</source>
        <translation>Maximum: </translation>
    </message>
    <message>
        <source>  精确度：</source>
        <translation>  Precision: </translation>
    </message>
    <message>
        <source>格式：</source>
        <translation>Format: </translation>
    </message>
    <message>
        <source>生成坐标数量：</source>
        <translation>Number of coordinates: </translation>
    </message>
    <message>
        <source>坐标是否允许重复：</source>
        <translation>Repeated coordinates allowed: </translation>
    </message>
    <message>
        <source>第%1组：</source>
        <translation>Group %1:</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>类型：</source>
        <translation>Type: </translation>
    </message>
    <message>
        <source>编号类型：</source>
        <translation>Numbering: </translation>
    </message>
    <message>
        <source>编号列表：</source>
        <translation>Labels: </translation>
    </message>
    <message>
        <source>编号起始值：</source>
        <translation>Numbering starts at: </translation>
    </message>
    <message>
        <source>精确度：</source>
        <translation>Precision: </translation>
    </message>
    <message>
        <source>随机数数量：</source>
        <translation>Number of results: </translation>
    </message>
    <message>
        <source>是否设置概率：</source>
        <translation>Chances set: </translation>
    </message>
    <message>
        <source>概率设置方式：</source>
        <translation>Chances given as: </translation>
    </message>
    <message>
        <source>名单：</source>
        <translation>List: </translation>
    </message>
    <message>
        <source>分隔符：</source>
        <translation>Separator: </translation>
    </message>
    <message>
        <source>生成随机数后，自动排除已生成的随机数</source>
        <translation>Drawn entries are removed from the list after each draw</translation>
    </message>
    <message>
        <source>密码长度：</source>
        <translation>Password length: </translation>
    </message>
    <message>
        <source>密码选项：</source>
        <translation>Password characters: </translation>
    </message>
    <message>
        <source>密码数量：</source>
        <translation>Number of passwords: </translation>
    </message>
    <message>
        <source>图片列表：</source>
        <translation>Pictures: </translation>
    </message>
    <message>
        <source>抽取图片后，自动排除已抽取的照片</source>
        <translation>Drawn pictures are removed from the list after each draw</translation>
    </message>
    <message>
        <source>抽取图片数量：</source>
        <translation>Pictures per draw: </translation>
    </message>
    <message>
        <source>生成模式：</source>
        <translation>Generation mode: </translation>
    </message>
    <message>
        <source>详细参数：</source>
        <translation>Parameters:</translation>
    </message>
    <message>
        <source>每次点名数量：</source>
        <translation>Names per draw: </translation>
    </message>
    <message>
        <source>任务列表：</source>
        <translation>Tasks: </translation>
    </message>
    <message>
        <source>人员列表：</source>
        <translation>People: </translation>
    </message>
    <message>
        <source>每人分配任务数量：</source>
        <translation>Tasks per person: </translation>
    </message>
    <message>
        <source>单词/字词列表：</source>
        <translation>Words:</translation>
    </message>
    <message>
        <source>每次抽取单词/字词数量：</source>
        <translation>Words per draw: </translation>
    </message>
    <message>
        <source>抽取一个单词/字词后，自动排除该单词/字词</source>
        <translation>Drawn words are removed from the list after each draw</translation>
    </message>
    <message>
        <source>抽奖人员名单：</source>
        <translation>Participants: </translation>
    </message>
    <message>
        <source>每次抽奖人数：</source>
        <translation>Winners per draw: </translation>
    </message>
    <message>
        <source>抽奖后，排除已抽过的人员</source>
        <translation>Winners are removed from the list after each draw</translation>
    </message>
    <message>
        <source>奖项列表：</source>
        <translation>Prizes: </translation>
    </message>
    <message>
        <source>每个奖项获得人数：</source>
        <translation>Winners per prize: </translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>计算模式的参数不完整，请在参数设置中重新保存本工程的参数。</source>
        <translation>The calculation parameters are incomplete. Save this project’s parameters again in the parameter settings.</translation>
    </message>
    <message>
        <source>题目格式为空，无法生成题目。请在参数设置中填写变量和题目格式。</source>
        <translation>The question format is empty, so no question can be made. Fill in the variables and the question format in the parameter settings.</translation>
    </message>
    <message>
        <source>生成数量</source>
        <translation>number of results</translation>
    </message>
    <message>
        <source>随机变量的取值最多只有 %1 种组合，无法生成 %2 个互不相同的结果。请扩大随机变量的取值范围或减少生成数量。</source>
        <translation>The random variables allow at most %1 combinations, so %2 different results cannot be made. Widen the ranges of the random variables or make fewer results.</translation>
    </message>
    <message>
        <source>随机变量“%1”应写成“变量名,最小值,最大值,精确度”，请在参数设置中改正。</source>
        <translation>The random variable “%1” should read “name,minimum,maximum,precision”. Correct it in the parameter settings.</translation>
    </message>
    <message>
        <source>随机变量“%1”</source>
        <translation>random variable “%1”</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>关系变量“%1”应写成“变量名,关系表达式”，请在参数设置中改正。</source>
        <translation>The computed variable “%1” should read “name,expression”. Correct it in the parameter settings.</translation>
    </message>
    <message>
        <source>取值条件“%1”应写成“表达式1,关系,表达式2”，请在参数设置中改正。</source>
        <translation>The condition “%1” should read “expression 1,relation,expression 2”. Correct it in the parameter settings.</translation>
    </message>
    <message>
        <source>取值条件“%1”中的关系“%2”无法识别，请在参数设置中重新选择关系。</source>
        <translation>The relation “%2” in the condition “%1” is not recognised. Choose the relation again in the parameter settings.</translation>
    </message>
    <message>
        <source>取值条件“%1”的区间应写成“下限,上限”两个表达式，请在参数设置中改正。</source>
        <translation>The interval of the condition “%1” should be two expressions, “lower,upper”. Correct it in the parameter settings.</translation>
    </message>
    <message>
        <source>取值条件“%1”缺少表达式2，请在参数设置中改正。</source>
        <translation>The condition “%1” lacks expression 2. Correct it in the parameter settings.</translation>
    </message>
    <message>
        <source>关系变量“%1”的表达式“%2”%3都得不到有效的数值（例如除以 0、负数开平方），请修改该表达式或随机变量的取值范围。</source>
        <translation>The expression “%2” of the computed variable “%1” gives no valid number %3 (for example, it divides by 0 or takes the square root of a negative number). Change the expression or the ranges of the random variables.</translation>
    </message>
    <message>
        <source>在随机变量的任何取值下</source>
        <translation>for any values of the random variables</translation>
    </message>
    <message>
        <source>在随机变量取值范围内试算 %1 次</source>
        <translation>in %1 trials within the ranges of the random variables</translation>
    </message>
    <message>
        <source>已尝试 %1 次仍未得到第 %2 个符合取值条件且不重复的结果。请放宽取值条件、扩大随机变量的取值范围或减少生成数量。</source>
        <translation>After %1 attempts there is still no result number %2 that meets the conditions without repeating. Loosen the conditions, widen the ranges of the random variables or make fewer results.</translation>
    </message>
    <message>
        <source>找不到计算库 Mirzonel（%1），无法生成计算题。请重新安装本软件。</source>
        <translation>The calculation library Mirzonel cannot be found (%1), so no calculation can be made. Please reinstall the software.</translation>
    </message>
    <message>
        <source>缺少导出函数 GoCalc 或 GoCalcLastError</source>
        <translation>the exported function GoCalc or GoCalcLastError is missing</translation>
    </message>
    <message>
        <source>尚未加载</source>
        <translation>it is not loaded</translation>
    </message>
    <message>
        <source>表达式“%1”无法计算：%2。请修改计算参数中的这个表达式。</source>
        <translation>The expression “%1” cannot be calculated: %2. Change this expression in the calculation parameters.</translation>
    </message>
    <message>
        <source>证书缺少%1（“%2”）。</source>
        <translation>The certificate lacks the %1 (“%2”).</translation>
    </message>
    <message>
        <source>%1（“%2”）不是 %3 位十六进制数。</source>
        <translation>The %1 (“%2”) is not a %3-digit hexadecimal number.</translation>
    </message>
    <message>
        <source>第 %1 次抽取</source>
        <translation>Draw %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>拒绝抽取（%1）</source>
        <translation>a refused draw (%1)</translation>
    </message>
    <message>
        <source>因名单不足而放弃</source>
        <translation>a draw abandoned for a short list</translation>
    </message>
    <message>
        <source>%1 个结果</source>
        <translation>%1 results</translation>
    </message>
    <message>
        <source>没有结果</source>
        <translation>no results</translation>
    </message>
    <message>
        <source>%1的种类“%2”无效（应为 draw、frame 或 restore）。</source>
        <translation>%1 has an invalid kind “%2” (it should be draw, frame or restore).</translation>
    </message>
    <message>
        <source>%1的名单重置回答（answers）格式无效。</source>
        <translation>The list-reset answers (answers) of %1 are malformed.</translation>
    </message>
    <message>
        <source>%1的拒绝原因（refused）格式无效。</source>
        <translation>The refusal reason (refused) of %1 is malformed.</translation>
    </message>
    <message>
        <source>%1的放弃标记（abandoned）格式无效。</source>
        <translation>The abandoned mark (abandoned) of %1 is malformed.</translation>
    </message>
    <message>
        <source>%1的结果（results）格式无效。</source>
        <translation>The results (results) of %1 are malformed.</translation>
    </message>
    <message>
        <source>%1的结果（results）中有不是文字的项。</source>
        <translation>The results (results) of %1 hold an item that is not text.</translation>
    </message>
    <message>
        <source>%1：证书记载了 %2 次名单重置询问，重算时出现 %3 次。</source>
        <translation>%1: the certificate records %2 list-reset questions, the replay asked %3.</translation>
    </message>
    <message>
        <source>%1：证书记载为%2，重算得到%3。</source>
        <translation>%1: the certificate records %2, the replay gives %3.</translation>
    </message>
    <message>
        <source>%1第 %2 个结果：证书中是%3，按证书的输入和种子重算是%4。</source>
        <translation>%1, result %2: the certificate holds %3, the replay from the certificate’s inputs and seed gives %4.</translation>
    </message>
    <message>
        <source>%1：证书记载了 %2 个结果，重算得到 %3 个。</source>
        <translation>%1: the certificate records %2 results, the replay gives %3.</translation>
    </message>
    <message>
        <source>证书不是完整的 JSON 文本（第 %1 字节附近：%2），文件可能被截断或改动过。</source>
        <translation>The certificate is no complete JSON text (near byte %1: %2); the file may have been cut short or altered.</translation>
    </message>
    <message>
        <source>证书的内容不是一个 JSON 对象。</source>
        <translation>The content of the certificate is not a JSON object.</translation>
    </message>
    <message>
        <source>证书版本（version）缺失或无效。</source>
        <translation>The certificate version (version) is missing or invalid.</translation>
    </message>
    <message>
        <source>证书版本为 %1，本程序只能验证版本 %2 的证书，请用更新版本的程序验证。</source>
        <translation>The certificate has version %1; this program verifies only version %2 certificates. Verify it with a newer version of the program.</translation>
    </message>
    <message>
        <source>证书格式标记（format）应为“%1”。</source>
        <translation>The certificate format mark (format) should be “%1”.</translation>
    </message>
    <message>
        <source>证书缺少输入（inputs）。</source>
        <translation>The certificate lacks its inputs (inputs).</translation>
    </message>
    <message>
        <source>第 %1 项输入的名称或取值格式无效。</source>
        <translation>The name or value of input %1 is malformed.</translation>
    </message>
    <message>
        <source>输入%1的摘要</source>
        <translation>digest of input %1</translation>
    </message>
    <message>
        <source>输入%1与承诺时的摘要不符：这一项在公布承诺之后被改动过。</source>
        <translation>Input %1 does not match its digest at the commitment: it was changed after the commitment was published.</translation>
    </message>
    <message>
        <source>承诺</source>
        <translation>commitment</translation>
    </message>
    <message>
        <source>证书中的指纹“%1”与承诺的指纹 %2 不符。</source>
        <translation>The fingerprint “%1” in the certificate does not match the commitment’s fingerprint %2.</translation>
    </message>
    <message>
        <source>证书中没有公开的种子：这次抽取还没有“结束并公开”，无法重算。</source>
        <translation>The certificate holds no revealed seed: this draw has not yet been ended and revealed, so it cannot be replayed.</translation>
    </message>
    <message>
        <source>种子</source>
        <translation>seed</translation>
    </message>
    <message>
        <source>按公开的种子和输入重算的承诺（指纹 %1）与证书记载的承诺（指纹 %2）不符：种子或承诺被改动过。</source>
        <translation>The commitment recomputed from the revealed seed and inputs (fingerprint %1) does not match the commitment the certificate records (fingerprint %2): the seed or the commitment was altered.</translation>
    </message>
    <message>
        <source>证书缺少公开随机数（public）一项。</source>
        <translation>The certificate lacks the public numbers (public).</translation>
    </message>
    <message>
        <source>证书缺少抽取记录（batches）。</source>
        <translation>The certificate lacks the draw records (batches).</translation>
    </message>
    <message>
        <source>第 %1 条抽取记录的序号（number）应为 %1，证书中是 %2。</source>
        <translation>The number (number) of draw record %1 should be %1; the certificate holds %2.</translation>
    </message>
    <message>
        <source>%1重算时的第一处不同：%2</source>
        <translation>%1 The first difference in the replay: %2</translation>
    </message>
    <message>
        <source>%1的链接哈希</source>
        <translation>chain hash of %1</translation>
    </message>
    <message>
        <source>%1的链接哈希不符：这条记录、它之前的记录或公开随机数被改动、删除或调换过。</source>
        <translation>The chain hash of %1 does not match: this record, an earlier record or the public numbers were altered, deleted or swapped.</translation>
    </message>
    <message>
        <source>一致：承诺指纹 %1，工程“%2”，%3 条抽取记录全部按公开的种子重算无误%4。</source>
        <translation>Consistent: commitment fingerprint %1, project “%2”; all %3 draw records replay correctly from the revealed seed%4.</translation>
    </message>
    <message>
        <source>（公开随机数：%1）</source>
        <translation> (public numbers: %1)</translation>
    </message>
    <message>
        <source>不一致：%1</source>
        <translation>Not consistent: %1</translation>
    </message>
    <message>
        <source>内存不足，无法验证这份证书。</source>
        <translation>Not enough memory to verify this certificate.</translation>
    </message>
    <message>
        <source>无法读取证书文件“%1”：%2</source>
        <translation>Cannot read the certificate file “%1”: %2</translation>
    </message>
    <message>
        <source>（种子仍保存在“%1”，主持人可用 Dellamy --reveal 公开它。）</source>
        <translation> (The seed is still kept in “%1”; the host can reveal it with Dellamy --reveal.)</translation>
    </message>
    <message>
        <source>未知量个数</source>
        <translation>number of unknowns</translation>
    </message>
    <message>
        <source>未知量个数为 %1，但未知量列表有 %2 行、系数列表有 %3 行，请在参数编辑器中重新设置方程。</source>
        <translation>There are %1 unknowns, but the list of unknowns has %2 rows and the list of coefficients %3. Set up the equations again in the parameter editor.</translation>
    </message>
    <message>
        <source>第 %1 个未知量</source>
        <translation>unknown %1</translation>
    </message>
    <message>
        <source>%1的设置“%2”不完整，请重新设置方程。</source>
        <translation>The setting “%2” of %1 is incomplete. Set up the equations again.</translation>
    </message>
    <message>
        <source>未知量“%1”重复，请为每个未知量取不同的名字。</source>
        <translation>The unknown “%1” appears twice. Give each unknown a different name.</translation>
    </message>
    <message>
        <source>第 %1 个方程的系数</source>
        <translation>coefficients of equation %1</translation>
    </message>
    <message>
        <source>%1设置“%2”不完整，请重新设置方程。</source>
        <translation>The setting “%2” of the %1 is incomplete. Set up the equations again.</translation>
    </message>
    <message>
        <source>第 %1 个方程的系数与未知量的取值太大，方程右边会超出数值范围，请缩小取值范围。</source>
        <translation>The coefficients and unknowns of equation %1 are so large that its right-hand side would overflow. Narrow the ranges.</translation>
    </message>
    <message>
        <source>尝试 %1 次后仍无法生成 %2 组有唯一解且互不相同的方程组，请扩大系数或未知量的取值范围，或减少生成数量。</source>
        <translation>After %1 attempts there are still not %2 different equation systems with a unique solution. Widen the ranges of the coefficients or unknowns, or make fewer results.</translation>
    </message>
    <message>
        <source>名单是空的，无法公平抽取，请至少填写一项。</source>
        <translation>The list is empty, so there is nothing to draw fairly. Fill in at least one entry.</translation>
    </message>
    <message>
        <source>“%1”抽取每次抽出的人互不相同，但名单只有 %2 个不同的条目，少于每次抽取的 %3 个。请增加条目或减少抽取数量。</source>
        <translation>A “%1” draw names different people each time, but the list has only %2 different entries, fewer than the %3 per draw. Add entries or draw fewer.</translation>
    </message>
    <message>
        <source>“均衡”抽取要跳过最近抽中的 %1 人，但名单只有 %2 个不同的条目、每次抽取 %3 个，最多只能跳过 %4 人。请在项目参数中减小跳过人数。</source>
        <translation>A balanced draw is to skip the %1 people drawn most recently, but with %2 different entries and %3 per draw at most %4 can be skipped. Skip fewer in the project parameters.</translation>
    </message>
    <message>
        <source>%1 本次按普通方式抽取，轮换未记录。</source>
        <translation>%1 This draw is made as a plain draw; the rotation was not recorded.</translation>
    </message>
    <message>
        <source>名单中除本次已抽中和缺席的人以外已没有其他人，无法为“%1”重新抽取。</source>
        <translation>Apart from the people already drawn and those absent, nobody is left on the list, so nobody can be drawn in place of “%1”.</translation>
    </message>
    <message>
        <source>可验证抽取的密钥长度应为 %1 字节。</source>
        <translation>The key of a verifiable draw should be %1 bytes long.</translation>
    </message>
    <message>
        <source>无法初始化加密库 libsodium，无法进行可验证抽取。</source>
        <translation>The cryptography library libsodium cannot be initialised, so no verifiable draw can be made.</translation>
    </message>
    <message>
        <source>项目参数中缺少名单分隔符（Spliter），请在项目参数中选择分隔符后保存。</source>
        <translation>The project parameters lack the list separator (Spliter). Choose a separator in the project parameters and save.</translation>
    </message>
    <message>
        <source>分隔符“%1”无效，应为 空格、全角空格、半角逗号、全角逗号、半角分号、全角分号 之一，请在项目参数中重新选择分隔符。</source>
        <translation>The separator “%1” is invalid; it should be one of space, wide space, comma, wide comma, semicolon and wide semicolon. Choose the separator again in the project parameters.</translation>
    </message>
    <message>
        <source>带概率的名单应以“加权”或“百分比”开头，现在是“%1”，请重新设置名单。</source>
        <translation>A list with chances should begin with “加权” (weights) or “百分比” (percentages); it begins with “%1”. Set up the list again.</translation>
    </message>
    <message>
        <source>名单第 %1 行“%2”缺少概率，请重新设置名单。</source>
        <translation>Row %1 of the list, “%2”, has no chance. Set up the list again.</translation>
    </message>
    <message>
        <source>名单第 %1 行的%2“%3”无效：必须是%4整数，请修改。</source>
        <translation>The %2 “%3” in row %1 of the list is invalid: it must be a whole number %4. Please change it.</translation>
    </message>
    <message>
        <source>百分比</source>
        <translation>percentage</translation>
    </message>
    <message>
        <source>权重</source>
        <translation>weight</translation>
    </message>
    <message>
        <source>大于 0 的</source>
        <translation>greater than 0</translation>
    </message>
    <message>
        <source>不小于 0 的</source>
        <translation>of at least 0</translation>
    </message>
    <message>
        <source>名单的权重太大，展开后超过 %1 项，请减小权重。</source>
        <translation>The weights of the list are too large: expanded, the list would exceed %1 entries. Lower the weights.</translation>
    </message>
    <message>
        <source>%1中可抽取的不同条目只剩 %2 个，本次需要 %3 个。请增加名单条目、减少抽取数量或允许重复。</source>
        <translation>Only %2 different entries are left to draw in the %1, and this draw needs %3. Add entries, draw fewer or allow repeats.</translation>
    </message>
    <message>
        <source>名单太长，无法抽取，请把名单分成几个工程。</source>
        <translation>The list is too long to draw from. Split it into several projects.</translation>
    </message>
    <message>
        <source>项目类型 %1 不是名单类型。</source>
        <translation>Project type %1 is not a list type.</translation>
    </message>
    <message>
        <source>图片列表</source>
        <translation>picture list</translation>
    </message>
    <message>
        <source>名单</source>
        <translation>list</translation>
    </message>
    <message>
        <source>抽取数量</source>
        <translation>number per draw</translation>
    </message>
    <message>
        <source>%1是空的，请至少填写一项。</source>
        <translation>The %1 is empty. Fill in at least one entry.</translation>
    </message>
    <message>
        <source>%1只有 %2 个不同的条目，少于每次抽取的数量 %3。请增加条目、减少抽取数量%4。</source>
        <translation>The %1 has only %2 different entries, fewer than the %3 per draw. Add entries, draw fewer%4.</translation>
    </message>
    <message>
        <source>或允许重复</source>
        <translation> or allow repeats</translation>
    </message>
    <message>
        <source>不允许重复时，%1 到 %2（精度 %3）只有 %4 个不同的数，少于生成数量 %5。请扩大范围、减小精度、减少生成数量或允许重复。</source>
        <translation>Without repeats, %1 to %2 (precision %3) holds only %4 different numbers, fewer than the %5 results asked for. Widen the range, use a finer precision, make fewer results or allow repeats.</translation>
    </message>
    <message>
        <source>最小值、最大值和精度必须是有限的数字。</source>
        <translation>The minimum, maximum and precision must be finite numbers.</translation>
    </message>
    <message>
        <source>精度必须大于 0（例如 1、0.1、0.01），现在是 %1，请修改精度。</source>
        <translation>The precision must be greater than 0 (for example 1, 0.1, 0.01); it is %1. Change the precision.</translation>
    </message>
    <message>
        <source>最大值 %1 小于最小值 %2，请修改数值范围。</source>
        <translation>The maximum %1 is less than the minimum %2. Change the range.</translation>
    </message>
    <message>
        <source>数值范围 %1 到 %2 按精度 %3 取值的个数太多，请增大精度或缩小范围。</source>
        <translation>The range %1 to %2 in steps of %3 holds too many values. Use a coarser precision or a narrower range.</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>%1的最小值</source>
        <translation>minimum of %1</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>%1的最大值</source>
        <translation>maximum of %1</translation>
    </message>
    <message>
        <source>精度</source>
        <translation>precision</translation>
    </message>
    <message>
        <source>%1的精度</source>
        <translation>precision of %1</translation>
    </message>
    <message>
        <source>%1不允许重复，但数值范围 %2 到 %3（精度 %4）只有 %5 个不同的值，本次还需要 %6 个。请扩大范围、减小精度、减少生成数量或允许重复。</source>
        <translation>%1 allows no repeats, but the range %2 to %3 (precision %4) holds only %5 different values and %6 more are needed. Widen the range, use a finer precision, make fewer results or allow repeats.</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>The draw</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>group named before a password message</comment>
        <translation>%1: </translation>
    </message>
    <message>
        <source>%1密码长度</source>
        <translation>%1password length</translation>
    </message>
    <message>
        <source>%1密码没有选择任何字符类型，请至少选择小写字母、大写字母、数字、特殊符号中的一种。</source>
        <translation>%1No character kind is chosen for the passwords. Choose at least one of lower-case letters, capital letters, digits and symbols.</translation>
    </message>
    <message>
        <source>%1每次生成 %2 个长度为 %3 的密码共 %4 个字符，超过上限 %5，请减少生成数量或缩短密码长度。</source>
        <translation>%1%2 passwords of length %3 per draw make %4 characters, more than the limit of %5. Make fewer passwords or shorter ones.</translation>
    </message>
    <message>
        <source>%1密码长度 %2 的不同密码不足 %3 个，请增加密码长度、增加字符类型或减少生成数量。</source>
        <translation>%1There are fewer than %3 different passwords of length %2. Make the passwords longer, add character kinds or make fewer.</translation>
    </message>
    <message>
        <source>%1无法生成足够多的不同密码，请增加密码长度或减少生成数量。</source>
        <translation>%1Not enough different passwords can be made. Make the passwords longer or make fewer.</translation>
    </message>
    <message>
        <source>长度为 %1 的不同密码不足 %2 个，请增加密码长度、增加字符类型或减少生成数量。</source>
        <translation>There are fewer than %2 different passwords of length %1. Make the passwords longer, add character kinds or make fewer.</translation>
    </message>
    <message>
        <source>“%1”必须是 %2 到 %3 之间的整数，现在是“%4”，请修改项目参数。</source>
        <translation>The %1 must be a whole number from %2 to %3; it is “%4”. Change the project parameters.</translation>
    </message>
    <message>
        <source>“%1”必须是数字，现在是“%2”，请修改项目参数。</source>
        <translation>The %1 must be a number; it is “%2”. Change the project parameters.</translation>
    </message>
    <message>
        <source>项目参数不完整（应有 %1 项，只有 %2 项），请在参数编辑器中重新保存项目参数。</source>
        <translation>The project parameters are incomplete (%1 expected, only %2 found). Save the project parameters again in the parameter editor.</translation>
    </message>
    <message>
        <source>未知的项目类型 %1（应为 0 到 14），工程文件可能已损坏。</source>
        <translation>Unknown project type %1 (it should be 0 to 14); the project file may be damaged.</translation>
    </message>
    <message>
        <source>随机数名单剩余数量不足</source>
        <translation>Too Few Entries Left</translation>
    </message>
    <message>
        <source>图片列表中剩余的图片数量不足，是否重置名单？如不重置名单，将无法继续抽取图片。</source>
        <translation>Too few pictures are left in the picture list. Reset the list? Without a reset no more pictures can be drawn.</translation>
    </message>
    <message>
        <source>随机数名单剩余数量不足，是否重置名单？如不重置名单，将无法继续生成随机数。</source>
        <translation>Too few entries are left in the list. Reset the list? Without a reset no more results can be drawn.</translation>
    </message>
    <message>
        <source>这类项目不是从名单中抽取，不能为缺席者重新抽取。</source>
        <translation>This kind of project does not draw from a list, so nobody can be drawn in place of an absent person.</translation>
    </message>
    <message>
        <source>还没有载入项目，无法抽取。</source>
        <translation>No project is loaded yet, so nothing can be drawn.</translation>
    </message>
    <message>
        <source>准备抽取时出错：%1</source>
        <translation>Preparing the draw failed: %1</translation>
    </message>
    <message>
        <source>“%1”组</source>
        <translation>group “%1”</translation>
    </message>
    <message>
        <source>项目类型 %1 不是组合类型。</source>
        <translation>Project type %1 is not a combination type.</translation>
    </message>
    <message>
        <source>结果格式（Format）为空，无法组成结果。请在参数设置中填写结果格式，用“[组名]”表示各组抽到的内容。</source>
        <translation>The result format (Format) is empty, so no result can be put together. Fill in the result format in the parameter settings, with “[group name]” standing for what each group draws.</translation>
    </message>
    <message>
        <source>%1的抽取数量</source>
        <translation>number per draw of %1</translation>
    </message>
    <message>
        <source>缺少名单分隔符。</source>
        <translation>The list separator is missing.</translation>
    </message>
    <message>
        <source>自定义项目没有任何组，请至少添加一组。</source>
        <translation>The custom project has no groups. Add at least one group.</translation>
    </message>
    <message>
        <source>%1的编号起始值</source>
        <translation>first number of %1</translation>
    </message>
    <message>
        <source>%1的生成数量</source>
        <translation>number of results of %1</translation>
    </message>
    <message>
        <source>任务列表</source>
        <translation>task list</translation>
    </message>
    <message>
        <source>人员列表</source>
        <translation>list of people</translation>
    </message>
    <message>
        <source>人员列表是空的，请至少填写一名人员。</source>
        <translation>The list of people is empty. Fill in at least one person.</translation>
    </message>
    <message>
        <source>第%1维</source>
        <translation>dimension %1</translation>
    </message>
    <message>
        <source>%1的设置“%2”不完整，请重新设置坐标。</source>
        <translation>The setting “%2” of %1 is incomplete. Set up the coordinates again.</translation>
    </message>
    <message>
        <source>奖项列表</source>
        <translation>prize list</translation>
    </message>
    <message>
        <source>奖项列表是空的，请至少填写一个奖项。</source>
        <translation>The prize list is empty. Fill in at least one prize.</translation>
    </message>
    <message>
        <source>%1每批需要 %2 个值，超过上限 %3，请减少数量。</source>
        <translation>%1 needs %2 values per draw, more than the limit of %3. Lower the numbers.</translation>
    </message>
    <message>
        <source>%1的编号列表是空的，请填写编号。</source>
        <translation>The labels of %1 are empty. Fill in the labels.</translation>
    </message>
    <message>
        <source>%1的编号“%2”只有 %3 个编号，从第 %4 个开始编号时每批最多 %5 个结果，现在要生成 %6 个。请减少生成数量、减小编号起始值或改用数字编号。</source>
        <translation>The numbering “%2” of %1 has only %3 labels; starting from label %4 a draw can have at most %5 results, but %6 are asked for. Make fewer results, start numbering earlier or number with digits.</translation>
    </message>
    <message>
        <source>%1不允许重复，但 %2 到 %3（精度 %4）只有 %5 个不同的数，每批需要 %6 个。请扩大范围、减小精度、减少数量或允许重复。</source>
        <translation>%1 allows no repeats, but %2 to %3 (precision %4) holds only %5 different numbers and each draw needs %6. Widen the range, use a finer precision, lower the numbers or allow repeats.</translation>
    </message>
    <message>
        <source>%1只有 %2 个不同的条目，每批需要 %3 个（每个结果 %4 个，共 %5 个结果）。请增加条目、减少数量或允许重复。</source>
        <translation>%1 has only %2 different entries, and each draw needs %3 (%4 per result, %5 results). Add entries, lower the numbers or allow repeats.</translation>
    </message>
    <message>
        <source>%1长度为 %2 的不同密码不足 %3 个，请增加密码长度或字符类型。</source>
        <translation>%1 has fewer than %3 different passwords of length %2. Make the passwords longer or add character kinds.</translation>
    </message>
    <message>
        <source>结果不允许重复，但各组的取值最多只能组成 %1 个互不相同的结果，少于生成数量 %2。请扩大各组的取值范围、减少生成数量或允许结果重复。</source>
        <translation>Results may not repeat, but the groups can make at most %1 different results, fewer than the %2 asked for. Widen the groups’ ranges, make fewer results or allow repeated results.</translation>
    </message>
    <message>
        <source>尝试 %1 次后仍无法得到 %2 个互不相同的结果，请扩大各组的取值范围、减少生成数量或允许结果重复。</source>
        <translation>After %1 attempts there are still not %2 different results. Widen the groups’ ranges, make fewer results or allow repeated results.</translation>
    </message>
    <message>
        <source>第 %1 项输入应为“%2”，证书中是“%3”。</source>
        <translation>Input %1 should be “%2”; the certificate holds “%3”.</translation>
    </message>
    <message>
        <source>（缺失）</source>
        <translation>(missing)</translation>
    </message>
    <message>
        <source>输入“type”（项目类型）应为 0 到 14 的整数，证书中是“%1”。</source>
        <translation>The input “type” (project type) should be a whole number from 0 to 14; the certificate holds “%1”.</translation>
    </message>
    <message>
        <source>证书有 %1 项输入，项目类型 %2 应有 %3 项。</source>
        <translation>The certificate has %1 inputs; project type %2 should have %3.</translation>
    </message>
    <message>
        <source>工程名称</source>
        <translation>project name</translation>
    </message>
    <message>
        <source>承诺时间</source>
        <translation>commitment time</translation>
    </message>
    <message>
        <source>项目类型</source>
        <translation>project type</translation>
    </message>
    <message>
        <source>生成模式</source>
        <translation>generation mode</translation>
    </message>
    <message>
        <source>图片名称显示方式</source>
        <translation>picture name display</translation>
    </message>
    <message>
        <source>结果分隔符</source>
        <translation>result separator</translation>
    </message>
    <message>
        <source>人员名单</source>
        <translation>list of people</translation>
    </message>
    <message>
        <source>奖项</source>
        <translation>prizes</translation>
    </message>
    <message>
        <source>抽取后移除</source>
        <translation>remove after drawing</translation>
    </message>
    <message>
        <source>允许重复</source>
        <translation>repeats allowed</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>随机密码不能进行可验证抽取：密码不应能被他人重算出来。</source>
        <translation>Random passwords cannot be drawn verifiably: nobody else should be able to recompute a password.</translation>
    </message>
    <message>
        <source>可验证抽取的种子应为 %1 字节。</source>
        <translation>The seed of a verifiable draw should be %1 bytes long.</translation>
    </message>
    <message>
        <source>抽取已经开始，公开随机数只能在第一次抽取之前输入。</source>
        <translation>Drawing has started; public numbers can only be entered before the first draw.</translation>
    </message>
    <message>
        <source>无法写入种子文件“%1”：%2</source>
        <translation>Cannot write the seed file “%1”: %2</translation>
    </message>
    <message>
        <source>找不到种子文件“%1”：只有主持抽取的电脑上的数据文件夹里有它。</source>
        <translation>The seed file “%1” cannot be found: only the data folder on the computer that hosted the draw holds it.</translation>
    </message>
    <message>
        <source>种子文件“%1”的内容不是 %2 位十六进制数。</source>
        <translation>The content of the seed file “%1” is not a %2-digit hexadecimal number.</translation>
    </message>
    <message>
        <source>无法读取证书“%1”：%2</source>
        <translation>Cannot read the certificate “%1”: %2</translation>
    </message>
    <message>
        <source>证书“%1”不是完整的 JSON 文本。</source>
        <translation>The certificate “%1” is no complete JSON text.</translation>
    </message>
    <message>
        <source>证书“%1”中已经公开了种子。</source>
        <translation>The certificate “%1” already reveals its seed.</translation>
    </message>
</context>
<context>
    <name>FairSettings</name>
    <message>
        <source>全部历史中</source>
        <translation>in all the history</translation>
    </message>
    <message>
        <source>%1内</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>；最近抽中的 %1 人不参加本次抽取</source>
        <translation>; the %1 drawn last sit this draw out</translation>
    </message>
    <message>
        <source>抽中机会 = 自身权重 × 1 /（1 + %1比抽中最少的人多抽中的次数）的 %2 次方</source>
        <translation>chance = own weight × 1 / (1 + times drawn %1 more than the least drawn) to the power %2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>数据文件夹“%1”不可写入。</source>
        <translation>The data folder “%1” cannot be written to.</translation>
    </message>
    <message>
        <source>无法创建数据文件夹“%1”。</source>
        <translation>Cannot create the data folder “%1”.</translation>
    </message>
    <message>
        <source>无法把“%1”复制到新的数据文件夹。</source>
        <translation>Cannot copy “%1” into the new data folder.</translation>
    </message>
    <message>
        <source>编码库 Quillet 尚未加载，无法读写工程文件。</source>
        <translation>The codec library Quillet is not loaded; project files cannot be read or written.</translation>
    </message>
    <message>
        <source>找不到编码库 Quillet（%1），无法读写工程文件。请重新安装本软件。</source>
        <translation>The codec library Quillet cannot be found (%1); project files cannot be read or written. Please reinstall the software.</translation>
    </message>
    <message>
        <source>内容已损坏、被改动或不是本软件的加密格式。</source>
        <translation>The content is damaged, has been altered, or is not in this software’s encoded format.</translation>
    </message>
    <message>
        <source>编码库 Quillet 无法编码该内容。</source>
        <translation>The codec library Quillet cannot encode this content.</translation>
    </message>
    <message>
        <source>缺少导出函数 StrEncode 或 StrDecode</source>
        <translation>the exported function StrEncode or StrDecode is missing</translation>
    </message>
    <message>
        <source>工程文件“%1”不存在。</source>
        <translation>The project file “%1” does not exist.</translation>
    </message>
    <message>
        <source>“%1”中有元素的属性超过 %2 个，文件可能已损坏。</source>
        <translation>“%1” has an element with more than %2 attributes; the file may be damaged.</translation>
    </message>
    <message>
        <source>“%1”中的元素嵌套超过 %2 层，文件可能已损坏。</source>
        <translation>The elements in “%1” are nested more than %2 levels deep; the file may be damaged.</translation>
    </message>
    <message>
        <source>“%1”的内容不是有效的 XML 文档（第 %2 行第 %3 列：%4）。</source>
        <translation>The content of “%1” is no valid XML document (line %2, column %3: %4).</translation>
    </message>
    <message>
        <source>无法打开工程文件“%1”：%2</source>
        <translation>Cannot open the project file “%1”: %2</translation>
    </message>
    <message>
        <source>保存工程失败：%1</source>
        <translation>Saving the project failed: %1</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>没有访问权限</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>操作不被允许</source>
        <translation>the operation is not permitted</translation>
    </message>
    <message>
        <source>文件名太长</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>超出了磁盘配额</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>磁盘或文件夹只读，不能写入</source>
        <translation>the disk or folder is read-only</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>a folder of that name exists</translation>
    </message>
    <message>
        <source>路径中有一部分不是文件夹</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>目标文件已存在</source>
        <translation>the target file exists already</translation>
    </message>
    <message>
        <source>文件夹不是空的</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>读写磁盘时出错</source>
        <translation>the disk could not be read or written</translation>
    </message>
    <message>
        <source>文件正被占用</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>文件名或路径无效</source>
        <translation>the file name or path is invalid</translation>
    </message>
    <message>
        <source>读取时出错</source>
        <translation>reading failed</translation>
    </message>
    <message>
        <source>写入时出错</source>
        <translation>writing failed</translation>
    </message>
    <message>
        <source>系统资源不足（例如磁盘已满）</source>
        <translation>the system ran short of resources (for example, the disk is full)</translation>
    </message>
    <message>
        <source>无法打开或创建文件</source>
        <translation>the file cannot be opened or created</translation>
    </message>
    <message>
        <source>操作被中止</source>
        <translation>the operation was aborted</translation>
    </message>
    <message>
        <source>操作超时</source>
        <translation>the operation timed out</translation>
    </message>
    <message>
        <source>无法删除文件</source>
        <translation>the file cannot be deleted</translation>
    </message>
    <message>
        <source>无法重命名文件</source>
        <translation>the file cannot be renamed</translation>
    </message>
    <message>
        <source>无法改写文件</source>
        <translation>the file cannot be overwritten</translation>
    </message>
    <message>
        <source>无法更改文件权限</source>
        <translation>the file permissions cannot be changed</translation>
    </message>
    <message>
        <source>无法复制文件</source>
        <translation>the file cannot be copied</translation>
    </message>
    <message>
        <source>未知的文件错误</source>
        <translation>unknown file error</translation>
    </message>
    <message>
        <source>无法读取配置文件“%1”。</source>
        <translation>Cannot read the settings file “%1”.</translation>
    </message>
    <message>
        <source>无法写入配置文件“%1”。</source>
        <translation>Cannot write the settings file “%1”.</translation>
    </message>
    <message>
        <source>无法写入配置文件“%1”。%2</source>
        <translation>Cannot write the settings file “%1”. %2</translation>
    </message>
    <message>
        <source>文件标明是 UTF-32 文本，但其中有无效的字符，文件可能已损坏。请另存为 UTF-8 后再导入。</source>
        <translation>The file is marked as UTF-32 text but holds invalid characters; it may be damaged. Save it as UTF-8 and import it again.</translation>
    </message>
    <message>
        <source>文件似乎是没有字节顺序标记的 UTF-32 文本，无法判断其编码。请在表格软件或文本编辑器中另存为 UTF-8 后再导入。</source>
        <translation>The file looks like UTF-32 text without a byte-order mark, so its encoding cannot be told. Save it as UTF-8 in a spreadsheet or text editor and import it again.</translation>
    </message>
    <message>
        <source>文件中含有二进制数据，不是文本文件（没有字节顺序标记的 UTF-16 文本也读不了，请另存为 UTF-8）。</source>
        <translation>The file holds binary data and is not a text file (UTF-16 text without a byte-order mark cannot be read either; save it as UTF-8).</translation>
    </message>
    <message>
        <source>文件中混有不同编码的文字（一部分是 UTF-8，一部分是其他编码），无法正确读取。请在表格软件中打开后统一另存为 UTF-8 或 GB18030 编码的 CSV 文件。</source>
        <translation>The file mixes text in different encodings (partly UTF-8, partly another) and cannot be read correctly. Open it in a spreadsheet and save it as one CSV file in UTF-8 or GB18030.</translation>
    </message>
    <message>
        <source>本机缺少 GB18030 编码的支持，无法读取这个文件，请把它另存为 UTF-8 编码后再导入。</source>
        <translation>This computer lacks support for the GB18030 encoding, so the file cannot be read. Save it as UTF-8 and import it again.</translation>
    </message>
    <message>
        <source>文件的文字编码无法识别（既不是 UTF-8、UTF-16，也不是 GB18030）。请在表格软件中另存为 UTF-8 编码的 CSV 文件。</source>
        <translation>The text encoding of the file is not recognised (it is neither UTF-8, UTF-16 nor GB18030). Save it as a UTF-8 CSV file in a spreadsheet.</translation>
    </message>
    <message>
        <source>文件“%1”不存在。</source>
        <translation>The file “%1” does not exist.</translation>
    </message>
    <message>
        <source>“%1”是循环的符号链接（链接最终又指回链接本身），不是可以读取的文件。</source>
        <translation>“%1” is a symbolic link that loops back to itself, not a file that can be read.</translation>
    </message>
    <message>
        <source>“%1”是符号链接，但它指向的“%2”不存在。</source>
        <translation>“%1” is a symbolic link, but “%2”, which it points to, does not exist.</translation>
    </message>
    <message>
        <source>“%1”是一个文件夹，不是文件。</source>
        <translation>“%1” is a folder, not a file.</translation>
    </message>
    <message>
        <source>“%1”不是普通文件（而是设备、管道或套接字之类），不能作为文件读取。</source>
        <translation>“%1” is not an ordinary file (it is a device, pipe, socket or the like) and cannot be read as a file.</translation>
    </message>
    <message>
        <source>无法读取文件“%1”：%2</source>
        <translation>Cannot read the file “%1”: %2</translation>
    </message>
    <message>
        <source>文件“%1”太大（%2 MB，最多 %3 MB），不是本软件能读取的文件。</source>
        <translation>The file “%1” is too large (%2 MB, at most %3 MB) to be a file this software reads.</translation>
    </message>
    <message>
        <source>无法保存文件“%1”：同名的文件夹已存在。</source>
        <translation>Cannot save the file “%1”: a folder of that name exists.</translation>
    </message>
    <message>
        <source>无法保存文件“%1”：%2</source>
        <translation>Cannot save the file “%1”: %2</translation>
    </message>
</context>
<context>
    <name>Formula</name>
    <message>
        <source>无法识别“%1”（不是已定义的变量，也不是运算符或函数）</source>
        <translation>“%1” is not understood (it is no defined variable, operator or function)</translation>
    </message>
    <message>
        <source>表达式不完整</source>
        <translation>the expression is incomplete</translation>
    </message>
    <message>
        <source>表达式为空</source>
        <translation>the expression is empty</translation>
    </message>
    <message>
        <source>括号不配对</source>
        <translation>the brackets do not pair up</translation>
    </message>
    <message>
        <source>括号位置有误</source>
        <translation>a bracket is misplaced</translation>
    </message>
    <message>
        <source>“%1”的位置有误</source>
        <translation>“%1” is misplaced</translation>
    </message>
    <message>
        <source>函数的参数个数有误</source>
        <translation>a function has the wrong number of arguments</translation>
    </message>
    <message>
        <source>变量名“%1”无效</source>
        <translation>the variable name “%1” is invalid</translation>
    </message>
    <message>
        <source>无法计算（%1）</source>
        <translation>cannot be calculated (%1)</translation>
    </message>
    <message>
        <source>调用参数缺失</source>
        <translation>arguments of the call are missing</translation>
    </message>
    <message>
        <source>变量值比变量名多</source>
        <translation>there are more variable values than variable names</translation>
    </message>
    <message>
        <source>变量“%1”的值“%2”不是数字</source>
        <translation>the value “%2” of variable “%1” is not a number</translation>
    </message>
    <message>
        <source>无法计算</source>
        <translation>cannot be calculated</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>条目	期望次数	次数	最长间隔
</source>
        <translation>Entry	Expected	Drawn	Longest gap
</translation>
    </message>
    <message>
        <source>χ² = %1（自由度 %2），p = %3；与期望次数的均方根偏差 %4
</source>
        <translation>χ² = %1 (%2 degrees of freedom), p = %3; root-mean-square deviation from the expected counts %4
</translation>
    </message>
    <message>
        <source>公平性检验：工程“%1”，“%2”抽取，模拟 %3 次（每次 %4 个），不写入任何记录
</source>
        <translation>Fairness check: project “%1”, “%2” draws, %3 simulated draws (%4 each), nothing recorded
</translation>
    </message>
    <message>
        <source>同样次数的普通抽取：均方根偏差 %1
</source>
        <translation>Plain draws of the same number: root-mean-square deviation %1
</translation>
    </message>
    <message>
        <source>
历史记录：%1 次抽取
</source>
        <translation>
History: %1 draws
</translation>
    </message>
    <message>
        <source>最久未被抽到：%1（已 %2 次抽取未被抽到）
</source>
        <translation>Longest not drawn: %1 (not drawn in %2 draws)
</translation>
    </message>
    <message>
        <source>公平抽取记录无法读写：%1</source>
        <translation>The fair-draw records cannot be read or written: %1</translation>
    </message>
    <message>
        <source>抽取历史无法打开：%1</source>
        <translation>The draw history cannot be opened: %1</translation>
    </message>
    <message>
        <source>；轮换从新一轮开始。</source>
        <translation>; the rotation starts a new round.</translation>
    </message>
    <message>
        <source>抽取历史已关闭（--no-history 或 Soft.ini 的 [History] Keep = 否），“%1”抽取按“普通”方式进行。</source>
        <translation>The draw history is off (--no-history, or [History] Keep = 否 in Soft.ini), so the “%1” draw is made as a plain draw.</translation>
    </message>
    <message>
        <source>  第%1次  </source>
        <translation>  draw %1  </translation>
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
    <message>
        <source>次数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>历史记录文件已损坏。</source>
        <translation>The history file is damaged.</translation>
    </message>
    <message>
        <source>历史记录文件被其他程序长时间占用，暂时无法写入。</source>
        <translation>Another program has held the history file for a long time; it cannot be written for now.</translation>
    </message>
    <message>
        <source>历史记录文件是只读的，无法写入。</source>
        <translation>The history file is read-only and cannot be written.</translation>
    </message>
    <message>
        <source>磁盘已满，历史记录无法写入。</source>
        <translation>The disk is full; the history cannot be written.</translation>
    </message>
    <message>
        <source>历史记录文件无法打开：它所在的文件夹不可写，或者没有读写它的权限。</source>
        <translation>The history file cannot be opened: its folder is not writable, or there is no permission to read and write it.</translation>
    </message>
    <message>
        <source>历史记录无法读写（%1）。</source>
        <translation>The history cannot be read or written (%1).</translation>
    </message>
    <message>
        <source>历史记录文件已损坏，已另存为 %1 并新建</source>
        <translation>The history file was damaged; it was set aside as %1 and a new one started</translation>
    </message>
    <message>
        <source>，其中仍可读出的 %1 次抽取已转入新文件</source>
        <translation>, and the %1 draws that could still be read were moved into it</translation>
    </message>
    <message>
        <source>无法创建历史记录文件夹“%1”。</source>
        <translation>Cannot create the history folder “%1”.</translation>
    </message>
    <message>
        <source>缺少 Qt 的 SQLite 数据库驱动（Debian 软件包 libqt6sql6-sqlite），历史记录无法读写。</source>
        <translation>The Qt SQLite database driver (Debian package libqt6sql6-sqlite) is missing; the history cannot be read or written.</translation>
    </message>
    <message>
        <source>%1 个待记入的抽取文件无法读取，已改名为 *.unreadable 保留在“%2”。</source>
        <translation>%1 pending draw files could not be read; they were renamed to *.unreadable and kept in “%2”.</translation>
    </message>
    <message>
        <source>历史记录文件已损坏，且无法另存（%1），历史记录暂停。</source>
        <translation>The history file is damaged and cannot be set aside (%1); the history is paused.</translation>
    </message>
    <message>
        <source>历史记录文件由较新版本的程序创建，本程序不能读写它。</source>
        <translation>The history file was made by a newer version of the software; this version cannot read or write it.</translation>
    </message>
    <message>
        <source>历史记录文件未能打开。</source>
        <translation>The history file could not be opened.</translation>
    </message>
    <message>
        <source>无法创建文件夹“%1”。</source>
        <translation>Cannot create the folder “%1”.</translation>
    </message>
    <message>
        <source>无法写入“%1”：%2</source>
        <translation>Cannot write “%1”: %2</translation>
    </message>
    <message>
        <source>工程中没有名为“%1”的名单项目。</source>
        <translation>The project has no list item named &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>文件超过 %1 行，超出导入的上限（最多 %1 行有内容的行），未导入任何内容。请只保留名单所在的行后再导入。</source>
        <translation>The file has more than %1 lines, beyond the import limit (at most %1 lines with content); nothing was imported. Keep only the lines of the list and import again.</translation>
    </message>
    <message>
        <source>第 %1 行有一个单元格超过 %2 个字符，超出导入的上限（每个单元格最多 %2 个字符），未导入任何内容。</source>
        <translation>Line %1 has a cell longer than %2 characters, beyond the import limit (at most %2 characters per cell); nothing was imported.</translation>
    </message>
    <message>
        <source>第 %1 行的引号没有配对，文件可能已损坏，未导入任何内容。</source>
        <translation>The quotation marks on line %1 do not pair up; the file may be damaged. Nothing was imported.</translation>
    </message>
    <message>
        <source>无法读取文件“%1”：%2</source>
        <translation>Cannot read the file “%1”: %2</translation>
    </message>
    <message>
        <source>%1 编码</source>
        <translation>%1 encoding</translation>
    </message>
    <message>
        <source>文件“%1”不存在。</source>
        <translation>The file “%1” does not exist.</translation>
    </message>
    <message>
        <source>文件“%1”有 %2 MB，超出导入的上限（最多 %3 MB），未导入任何内容。</source>
        <translation>The file “%1” is %2 MB, beyond the import limit (at most %3 MB); nothing was imported.</translation>
    </message>
    <message>
        <source>文件“%1”是空的，没有可导入的名单。</source>
        <translation>The file “%1” is empty; there is no list to import.</translation>
    </message>
    <message>
        <source>该工作簿已加密（设有打开密码），无法读取。请在表格软件中取消密码后另存为 .xlsx 或 .csv，未导入任何内容。</source>
        <translation>The workbook is encrypted (it has an opening password) and cannot be read. Remove the password in a spreadsheet and save it as .xlsx or .csv; nothing was imported.</translation>
    </message>
    <message>
        <source>不支持旧版 .xls 格式，请在表格软件中另存为 .xlsx 或 .csv，未导入任何内容。</source>
        <translation>The old .xls format is not supported. Save the file as .xlsx or .csv in a spreadsheet; nothing was imported.</translation>
    </message>
    <message>
        <source>该文件不是有效的 Excel 工作簿（.xlsx），可能已损坏，或是别的文件改了扩展名。未导入任何内容。</source>
        <translation>The file is no valid Excel workbook (.xlsx): it may be damaged, or another file was given its extension. Nothing was imported.</translation>
    </message>
    <message>
        <source>文件中只有空白，没有任何姓名，没有可导入的名单。</source>
        <translation>The file holds only blanks and no names; there is no list to import.</translation>
    </message>
    <message>
        <source>工作簿的所有工作表都是空的，没有可导入的名单。</source>
        <translation>Every sheet of the workbook is empty; there is no list to import.</translation>
    </message>
    <message>
        <source>文件中没有任何内容（工作表为空），没有可导入的名单。</source>
        <translation>The file has no content (the sheet is empty); there is no list to import.</translation>
    </message>
    <message>
        <source>未导入任何内容。远在右边的单元格连同它左边的空单元格一起计数，请只保留名单所在的行和列后再导入。</source>
        <translation>Nothing was imported. A cell far to the right counts together with the empty cells to its left; keep only the rows and columns of the list and import again.</translation>
    </message>
    <message>
        <source>工作表“%1”的单元格超过 %2 个，超出导入的上限（每个工作表最多 %2 个单元格），</source>
        <translation>Sheet “%1” has more than %2 cells, beyond the import limit (at most %2 cells per sheet). </translation>
    </message>
    <message>
        <source>文件中的单元格超过 %1 个，超出导入的上限（所有工作表合计最多 %1 个单元格），</source>
        <translation>The file has more than %1 cells, beyond the import limit (at most %1 cells in all sheets together). </translation>
    </message>
    <message>
        <source>粘贴的表格</source>
        <translation>pasted table</translation>
    </message>
    <message>
        <source>该文件不是有效的 Excel 工作簿（.xlsx），可能已损坏，或是别的文件改了扩展名：%1。未导入任何内容。</source>
        <translation>The file is no valid Excel workbook (.xlsx): it may be damaged, or another file was given its extension: %1. Nothing was imported.</translation>
    </message>
    <message>
        <source>工作簿解压后的内容超过 %1 MB，超出导入的上限（解压后最多 %1 MB）。文件可能已损坏，或是恶意构造的压缩文件，未导入任何内容。</source>
        <translation>The unpacked workbook exceeds %1 MB, beyond the import limit (at most %1 MB unpacked). The file may be damaged or a maliciously built archive; nothing was imported.</translation>
    </message>
    <message>
        <source>无法作为压缩包打开</source>
        <translation>it cannot be opened as an archive</translation>
    </message>
    <message>
        <source>压缩包的目录已损坏</source>
        <translation>the archive directory is damaged</translation>
    </message>
    <message>
        <source>压缩包中的文件多达 %1 个</source>
        <translation>the archive holds as many as %1 files</translation>
    </message>
    <message>
        <source>压缩包目录中第 %1 个文件的名称或附加信息过长</source>
        <translation>the name or extra data of file %1 in the archive directory is too long</translation>
    </message>
    <message>
        <source>缺少 %1</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>该工作簿已加密，无法读取。请在表格软件中取消密码后另存为 .xlsx 或 .csv，未导入任何内容。</source>
        <translation>The workbook is encrypted and cannot be read. Remove the password in a spreadsheet and save it as .xlsx or .csv; nothing was imported.</translation>
    </message>
    <message>
        <source>%1 无法解压</source>
        <translation>%1 cannot be unpacked</translation>
    </message>
    <message>
        <source>%1 已损坏（%2）</source>
        <translation>%1 is damaged (%2)</translation>
    </message>
    <message>
        <source>工作表“%1”超过 %2 行，超出导入的上限（每个工作表最多 %2 行有内容的行），未导入任何内容。请只保留名单所在的行后再导入。</source>
        <translation>Sheet “%1” has more than %2 rows, beyond the import limit (at most %2 rows with content per sheet); nothing was imported. Keep only the rows of the list and import again.</translation>
    </message>
    <message>
        <source>单元格 %1 引用了不存在的共享字符串</source>
        <translation>cell %1 refers to a shared string that does not exist</translation>
    </message>
    <message>
        <source>工作表“%1”的单元格 %2 超过 %3 个字符，超出导入的上限（每个单元格最多 %3 个字符），未导入任何内容。</source>
        <translation>Cell %2 of sheet “%1” is longer than %3 characters, beyond the import limit (at most %3 characters per cell); nothing was imported.</translation>
    </message>
    <message>
        <source>缺少工作簿内容（%1）</source>
        <translation>the workbook content is missing (%1)</translation>
    </message>
    <message>
        <source>Excel 工作簿</source>
        <translation>Excel workbook</translation>
    </message>
    <message>
        <source>其中没有工作表</source>
        <translation>it holds no sheet</translation>
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
    <message>
        <source>渐变色设置有误：颜色“%1”中的“%2”不是整数。</source>
        <translation>The gradient setting is wrong: “%2” in colour “%1” is not a whole number.</translation>
    </message>
    <message>
        <source>渐变色设置有误：颜色“%1”中的“%2”超出范围 %3～%4。</source>
        <translation>The gradient setting is wrong: “%2” in colour “%1” is outside %3 to %4.</translation>
    </message>
    <message>
        <source>渐变色设置有误：颜色“%1”应为红、绿、蓝和位置四个整数。</source>
        <translation>The gradient setting is wrong: colour “%1” should be four whole numbers: red, green, blue and position.</translation>
    </message>
    <message>
        <source>操作失败</source>
        <translation>Operation Failed</translation>
    </message>
    <message>
        <source>无法写入数据文件夹“%1”。</source>
        <translation>Cannot write to the data folder “%1”.</translation>
    </message>
    <message>
        <source>
请确认该文件夹存在，并且当前用户有权读写它（检查它的所有者和权限，或换一个可写的文件夹），然后再试。</source>
        <translation>
Make sure the folder exists and the current user may read and write it (check its owner and permissions, or choose a writable folder), then try again.</translation>
    </message>
    <message>
        <source>软件权限不足</source>
        <translation>Insufficient Permissions</translation>
    </message>
    <message>
        <source>组件缺失</source>
        <translation>Component Missing</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <source>工程文件有误：%1 的属性 %2 无效（%3）</source>
        <translation>The project file is faulty: attribute %2 of %1 is invalid (%3)</translation>
    </message>
    <message>
        <source>工程文件有误：缺少元素 %1/%2。</source>
        <translation>The project file is faulty: element %1/%2 is missing.</translation>
    </message>
    <message>
        <source>工程文件有误：缺少 %1 部分。</source>
        <translation>The project file is faulty: the %1 section is missing.</translation>
    </message>
    <message>
        <source>工程文件有误：%1 的值“%2”无效（%3）</source>
        <translation>The project file is faulty: the value “%2” of %1 is invalid (%3)</translation>
    </message>
    <message>
        <source>工程文件有误：背景类型“%1”未知（%2）。</source>
        <translation>The project file is faulty: the background type “%1” is unknown (%2).</translation>
    </message>
    <message>
        <source>备注最多只能有 %1 条。</source>
        <translation>There can be at most %1 remarks.</translation>
    </message>
    <message>
        <source>项目目录文件 menu.xml 有误：%1</source>
        <translation>The project catalogue menu.xml is faulty: %1</translation>
    </message>
    <message>
        <source>缺少 Projects 元素。</source>
        <translation>the Projects element is missing.</translation>
    </message>
    <message>
        <source>项目目录中没有第 %1 个项目。</source>
        <translation>The project catalogue has no project number %1.</translation>
    </message>
    <message>
        <source>项目目录中的项目少于要写入的 %1 个。</source>
        <translation>The project catalogue holds fewer than the %1 projects to be written.</translation>
    </message>
    <message>
        <source>启用访问密码时，访问密码不能为空！</source>
        <translation>With the access password on, the access password cannot be empty!</translation>
    </message>
    <message>
        <source>启用编辑密码时，编辑密码不能为空！</source>
        <translation>With the edit password on, the edit password cannot be empty!</translation>
    </message>
    <message>
        <source>工程标题不能为空！</source>
        <translation>The project title cannot be empty!</translation>
    </message>
    <message>
        <source>项目名称不能只由空格组成！</source>
        <translation>The project name cannot consist of spaces only!</translation>
    </message>
    <message>
        <source>项目名称的开头和结尾不能是空格！</source>
        <translation>The project name cannot begin or end with a space!</translation>
    </message>
    <message>
        <source>项目名称中不得出现换行符、制表符等控制字符！</source>
        <translation>The project name cannot contain line breaks, tabs or other control characters!</translation>
    </message>
    <message>
        <source>项目名称中不得出现 / \ &lt; &gt; : &quot; | ? * 等不能用于文件名的字符！</source>
        <translation>The project name cannot contain / \ &lt; &gt; : &quot; | ? * or other characters a file name cannot hold!</translation>
    </message>
    <message>
        <source>项目名称不能超过%1个字符！</source>
        <translation>The project name cannot be longer than %1 characters!</translation>
    </message>
    <message>
        <source>项目名称中不得出现“..”！</source>
        <translation>The project name cannot contain “..”!</translation>
    </message>
    <message>
        <source>项目名称不能为空！</source>
        <translation>The project name cannot be empty!</translation>
    </message>
    <message>
        <source>项目名称不能与现有的项目名称重复！</source>
        <translation>The project name cannot be the same as an existing project name!</translation>
    </message>
    <message>
        <source>项目名称中不得出现小数点！</source>
        <translation>The project name cannot contain a full stop!</translation>
    </message>
    <message>
        <source>工程文件缺少随机数参数部分（RandQuery）。</source>
        <translation>The project file has no draw parameters (RandQuery).</translation>
    </message>
    <message>
        <source>随机数参数中的项目类型（PMode）“%1”不是整数。</source>
        <translation>The project type (PMode) “%1” in the draw parameters is not a whole number.</translation>
    </message>
    <message>
        <source>随机数参数中的项目类型（PMode）“%1”超出范围，应为 0 到 14。</source>
        <translation>The project type (PMode) “%1” in the draw parameters is out of range; it should be 0 to 14.</translation>
    </message>
    <message>
        <source>自定义项目的组参数（QueryList）与组类型（TypeList）不符，工程文件可能已损坏。</source>
        <translation>The group parameters (QueryList) of the custom project do not fit its group types (TypeList); the project file may be damaged.</translation>
    </message>
    <message>
        <source>自定义项目含有未知的组类型“%1”。</source>
        <translation>The custom project has an unknown group type “%1”.</translation>
    </message>
    <message>
        <source>换行间隔数必须是%1到%2之间的整数！</source>
        <translation>The results per line must be a whole number from %1 to %2!</translation>
    </message>
    <message>
        <source>随机数“%1”不是数值，不能按数值排序！请改用字符串排序。</source>
        <translation>The result “%1” is not a number and cannot be sorted as one! Sort as text instead.</translation>
    </message>
    <message>
        <source>换行间隔数不能为空！</source>
        <translation>The results per line cannot be empty!</translation>
    </message>
    <message>
        <source>类型错误</source>
        <translation>Wrong Type</translation>
    </message>
    <message>
        <source>您排序的随机数不是数值类型，不能进行数值统计！</source>
        <translation>The results you sorted are not numbers, so no number statistics can be made!</translation>
    </message>
    <message>
        <source>总数：%1</source>
        <translation>Count: %1</translation>
    </message>
    <message>
        <source>最小值：</source>
        <translation>Minimum: </translation>
    </message>
    <message>
        <source>最大值：</source>
        <translation>Maximum: </translation>
    </message>
    <message>
        <source>极差：</source>
        <translation>Range: </translation>
    </message>
    <message>
        <source>平均值：</source>
        <translation>Mean: </translation>
    </message>
    <message>
        <source>方差：</source>
        <translation>Variance: </translation>
    </message>
    <message>
        <source>标准差：</source>
        <translation>Standard deviation: </translation>
    </message>
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
    <message>
        <source>工程文件“%1”没有内容，随机数记录设置未保存。</source>
        <translation>The project file “%1” is empty; the record settings were not saved.</translation>
    </message>
    <message>
        <source>停止按钮不可见</source>
        <translation>Stop Button Not Visible</translation>
    </message>
    <message>
        <source>抽取时将改用生成按钮和终止快捷键停止。</source>
        <translation> Draws will be stopped with the draw button and the stop key instead.</translation>
    </message>
    <message>
        <source>独立停止按钮的宽度或高度为0（%1×%2），在抽取窗口中看不到它。</source>
        <translation>The separate stop button has no width or height (%1×%2) and cannot be seen in the drawing window.</translation>
    </message>
    <message>
        <source>独立停止按钮位于(%1,%2)，大小%3×%4，不在%5×%6的抽取窗口之内。</source>
        <translation>The separate stop button at (%1,%2), %3×%4 in size, lies outside the %5×%6 drawing window.</translation>
    </message>
    <message>
        <source>独立停止按钮被独立窗口遮住了。</source>
        <translation>The separate stop button is covered by the separate window.</translation>
    </message>
    <message>
        <source>工程文件有误：%1 的属性 %2 的值“%3”无效（%4）</source>
        <translation>The project file is faulty: the value “%3” of attribute %2 of %1 is invalid (%4)</translation>
    </message>
    <message>
        <source>“%1”不是整数</source>
        <translation>“%1” is not a whole number</translation>
    </message>
    <message>
        <source>颜色应为以“,”分隔的三个整数</source>
        <translation>a colour should be three whole numbers separated by “,”</translation>
    </message>
    <message>
        <source>字体应为以“|”分隔的颜色、字体名、样式、字号四项</source>
        <translation>a font should be four parts separated by “|”: colour, face, style and size</translation>
    </message>
    <message>
        <source>字号应为整数</source>
        <translation>the font size should be a whole number</translation>
    </message>
</context>
<context>
    <name>StoredValue</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
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
        <source>空格</source>
        <translation>Space</translation>
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
        <source>半角逗号</source>
        <translation>Comma</translation>
    </message>
    <message>
        <source>全角逗号</source>
        <translation>Wide comma</translation>
    </message>
    <message>
        <source>半角分号</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>全角分号</source>
        <translation>Wide semicolon</translation>
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
        <source>组合模式</source>
        <translation>Combination</translation>
    </message>
    <message>
        <source>图片模式</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>密码模式</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>计算模式</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>多元一次方程模式</source>
        <translation>Linear equations</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Numbering</translation>
    </message>
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
    <message>
        <source>小写字母</source>
        <translation>Lower-case letters</translation>
    </message>
    <message>
        <source>大写字母</source>
        <translation>Capital letters</translation>
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
        <source>等于</source>
        <translation>equal to</translation>
    </message>
    <message>
        <source>不等于</source>
        <translation>not equal to</translation>
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
        <translation>greater than or equal to</translation>
    </message>
    <message>
        <source>小于或等于</source>
        <translation>less than or equal to</translation>
    </message>
    <message>
        <source>介于(开区间)</source>
        <translation>between (open interval)</translation>
    </message>
    <message>
        <source>介于(闭区间)</source>
        <translation>between (closed interval)</translation>
    </message>
    <message>
        <source>未介于(开区间)</source>
        <translation>not between (open interval)</translation>
    </message>
    <message>
        <source>未介于(闭区间)</source>
        <translation>not between (closed interval)</translation>
    </message>
    <message>
        <source>且</source>
        <translation>and</translation>
    </message>
    <message>
        <source>或</source>
        <translation>or</translation>
    </message>
    <message>
        <source>取当前值</source>
        <translation>keep the values</translation>
    </message>
    <message>
        <source>重新取值</source>
        <translation>draw the values again</translation>
    </message>
    <message>
        <source>图片名称+扩展名</source>
        <translation>Name and extension</translation>
    </message>
    <message>
        <source>仅图片名称</source>
        <translation>Name only</translation>
    </message>
    <message>
        <source>完整的图片路径</source>
        <translation>Full path</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>居中对齐</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>居中</source>
        <translation>Centred</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>毫秒</source>
        <translation>ms</translation>
    </message>
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
        <source>窗口</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>命令行</source>
        <translation>Command line</translation>
    </message>
    <message>
        <source>悬浮抽取</source>
        <translation>Quick-draw bar</translation>
    </message>
    <message>
        <source>缺席</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>已回答</source>
        <translation>Answered</translation>
    </message>
    <message>
        <source>未回答</source>
        <translation>Not answered</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Skipped</translation>
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
