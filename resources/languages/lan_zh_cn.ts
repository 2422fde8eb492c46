<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0，发布于 2018-06-28</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;nordvane.example&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;nordvane.example&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;https://nordvane.example/&quot;&gt;&lt;img src=&quot;:/images/Velto.png&quot; height=&quot;40&quot; width=&quot;131&quot;/&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;https://nordvane.example/&quot;&gt;&lt;img src=&quot;:/images/Velto.png&quot; height=&quot;40&quot; width=&quot;131&quot;/&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>AdjusterDialog</name>
    <message>
        <source>learn</source>
        <translation>自动学习</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>调节器</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI 服务器</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>GRBL 控制器</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>INDI 设备</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>高度轴</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>高度：每度单位数</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>方位轴</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>方位：每度单位数</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>调节器…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>自动对准</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>调节器的设置不完整。</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>已连接：%1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>调节器故障（%1）。</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>正在连接 %1…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>请先测量轴心并连接调节器：数值必须是实时的。</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>已中止。</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>正在测量…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>已停止：数值不是实时的（%1）。</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>无极点</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>已停止：电机已转动，但极点没有移动。</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>已对准：距轴心 %1″（± %2″）；移动次数：%3。</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>已停止：± %1″ 大于步长 %2″。</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>已停止：未进入目标范围；移动次数：%1。</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>已停止：高度 %1°、方位 %2° 的移动将超出调节器的行程。</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>移动 %1：高度 %2°，方位 %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>已停止：调节器故障（%1）。</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>已停止：调节器未在 %1 秒内完成移动。</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>已停止：%1 秒内没有实时数值。</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>设备已不存在</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>高度：极轴比天极高 %1</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>高度：极轴比天极低 %1</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>方位：极轴在天极以东 %1</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>方位：极轴在天极以西 %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>总计 %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>剩余误差未知：未找到相机的方向</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>已校正大气折射（%1 模型）：%2 %3，%4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>未校正大气折射</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>校准用时 %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>大气折射</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>气压(kPa)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>气压(hPa)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>温度(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>启用大气折射修正</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett（标准）</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>物理模型（ERFA）</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>您在哪里观测？天极的高度等于您所在的纬度，大气会按气压和温度把它抬高一些。</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>使用本机位置</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>正在查找本机位置...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>未找到位置：%1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>来自 %1</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>降低高度 %1</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>升高高度 %1</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>方位向西移动 %1</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>方位向东移动 %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>总计 %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>观测地未知：未修正最多 1′30″ 的大气折射</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>目标 %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 圈</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 圈</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>转过头了 — 先回转 %1，再正转 %2</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>不到 ¼ 圈</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>顺时针 %1</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>逆时针 %1</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>高度：%1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>方位：%1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>模拟星空</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>录制的会话</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>相机来源</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>用 文件 &gt; 录制会话 生成的 .ser 文件</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>录制的会话</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>SER 视频 (*.ser);;所有文件 (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI 服务器</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>按“刷新”列出服务器上的相机</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主机</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>相机</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>焦距</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>像素尺寸</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>正在向 %1:%2 查询相机...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>服务器上没有相机。</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>服务器上的相机：%1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm（来自驱动）</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>连接后从驱动读取</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>未知：星图解析时测量</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>需要主机名或地址</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>不是主机名或地址</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>不是整数</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>必须在 %1 与 %2 之间</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分</translation>
    </message>
</context>
<context>
    <name>FrameFreshness</name>
    <message>
        <source>stale: no frame for %1</source>
        <translation>已过时：%1 未收到画面</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>已过时：%1 未收到画面 — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>连接已关闭</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>%1 秒内无应答</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>控制器拒绝了移动（%1）</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>报警 %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>拍摄器材设置</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>全天区</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>高度调节螺栓转向相反</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>方位调节螺栓转向相反</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>学习</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>拍摄</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>螺栓</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>焦距（mm）</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>像元尺寸（µm）</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>传感器宽度（像素）</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>传感器高度（像素）</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>最长曝光时间（秒）</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>拍摄目标的赤纬（°）</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>目标值使一次曝光内星点的漂移和传感器角落处的视场旋转都小于本相机的一个像素。“全天区”适用于赤纬 %1° 以内的任何位置。目标值不会小于 %2：极轴相机无法测得更精细。</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>从螺栓头部看，顺时针转动螺栓会升高高度或使极轴向东移动。如果您的螺栓方向相反（例如装在赤道仪另一侧的调节螺栓），请勾选对应的复选框。</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>高度：每圈的天极移动量（′）</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>方位：每圈的天极移动量（′）</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>知道螺栓每圈的移动量后，读数会提示需要转多少。</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>未设置拍摄器材：没有目标。</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>要计算目标，请填写所有字段，或全部留空。</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>请先监视天极（极轴精调）：每圈的移动量从读数中学习。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>将高度调节螺栓顺时针转动整一圈，等数值稳定后，再按“完成”。</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>将方位调节螺栓顺时针转动整一圈，等数值稳定后，再按“完成”。</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>天极没有移动：请将螺栓转动整一圈，然后再按一次“完成”。</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>每转一圈，天极移动 %1。</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>设备已不存在</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>设备报告故障</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>%1 秒内无应答</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>连接已关闭</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>设备已不存在</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>服务器的应答不是 INDI</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>赤道仪无应答（%1 秒内没有坐标）</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>赤道仪既不能指向坐标，也不能向西和向东移动</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>赤道仪已不存在</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>赤道仪报告故障</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>赤道仪转动方向错误（与指令相反 %1 度时角）</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>赤道仪已转动 %2 度时角中的 %1 度</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velto Q7</source>
        <translation>Velto Q7</translation>
    </message>
    <message>
        <source>Region Selection</source>
        <translation>半球选择</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北半球</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南半球</translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation>Q7 设置</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>曝光(ms)</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>70</source>
        <translation>70</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>确认北极星/南极座σ</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>模板匹配</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Rough Pole</source>
        <translation>极轴粗调</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>轴心</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>每次都选择同一颗星</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>星点位置 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>星点位置 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>星点位置 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>轴心:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>北极星/南极座σ当前位置</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>北极星/南极座σ目标位置</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>极轴精调</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>天极:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>监视天极</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>参考星 A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>参考星 B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>开始监视</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>显示模板</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>单色显示</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>大气折射</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>手动跟踪</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Velto Q7 Manual</source>
        <translation>Velto Q7 用户手册</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>русский</source>
        <translation>русский</translation>
    </message>
    <message>
        <source>français</source>
        <translation>français</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>português</source>
        <translation>português</translation>
    </message>
    <message>
        <source>italiano</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>图像 (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>询问</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>是否使用上次使用 Velto Q7 时记录的“轴心位置”？</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>此处似乎没有星点，请换一个位置再试。</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>无法求得轴心，请点击“重置”重新查找。</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>模板匹配上了吗？</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>已匹配</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>转动完成了吗？</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>已转动</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>调整左侧的参数，使北极星周围显示出更多的星。</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>调整左侧的参数，使南极座σ周围显示出更多的星。</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>设置完成了吗？</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>设置好</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>双击北极星，然后用左侧的“旋转”滑块转动模板，使其与北极星周围的星对齐。</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>双击南极座σ，然后用左侧的“旋转”滑块转动模板，使其与南极座σ周围的星对齐。</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>选一颗北极星以外的星，在图像中双击它。请记住这颗星，后面的步骤还要再次选择它（第 1 步，共 3 步）。</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>选一颗南极座σ以外的星，在图像中双击它。请记住这颗星，后面的步骤还要再次选择它（第 1 步，共 3 步）。</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>按屏幕上方箭头所示的方向转动赤道仪的赤经轴（至少转动 30°）。</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>再次双击上一步选择的那颗星（第 2 步，共 3 步）。</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>再次沿同一方向转动赤道仪的赤经轴，至少 30°。</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>最后一次双击前两步选择的那颗星（第 3 步，共 3 步）。</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>将赤经轴转回原位（Home）。赤道仪转回停放位置的过程中，所选的星应始终留在圆上。</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>轴心正确吗？</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>目标位置：双击北极星，然后用左侧的“旋转”滑块转动模板，使其与北极星周围的星对齐。</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>目标位置：双击南极座σ，然后用左侧的“旋转”滑块转动模板，使其与南极座σ周围的星对齐。</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>用高度和方位调节螺栓，把北极星移到图像上旋转小圆的中心。</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>用高度和方位调节螺栓，把南极座σ移到图像上旋转小圆的中心。</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>调整完成了吗？</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>已调整</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>当前位置：双击北极星，然后用左侧的“旋转”滑块转动模板，使其与北极星周围的星对齐。</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>当前位置：双击南极座σ，然后用左侧的“旋转”滑块转动模板，使其与南极座σ周围的星对齐。</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>请点击“开始监视”按钮。</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>只用高度和方位调节螺栓，把天极方框移到轴心圆上。</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>从头来</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>未找到 Velto Q7 相机！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>无法连接 Velto Q7 相机：打开失败！</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>无法连接 Velto Q7 相机：初始化失败！</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>用所有星点精化轴心</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>录制会话</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>相机来源...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>相机：录制的会话 %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>相机：模拟星空</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>SER 视频 (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>无法录制会话：%1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>录制已停止：%1
文件保留之前写入的 %2 帧。</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>正在录制 %1：%2 帧，%3 MB</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>，丢弃 %1</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>立即解析</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>星图解析</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>还没有可解析的图像：请先连接相机。</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>正在解析图像...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>未能解析：%1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>已解析，%1&quot;/像素。极点位于 (%2, %3)，天顶方向 %4 度。星：%5。</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>未提示模板：如需此功能，请安装软件包 %1。</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>夜间样式</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>正在连接相机...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %2:%3 上的 %1</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>相机：%2:%3 上的 INDI %1</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>焦距 %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>星图解析测得相机镜头焦距为 %1 mm，此后使用该值。</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>相机已断开</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>校准完成</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>三个位置之间星点并非围绕同一点旋转（相差 %1″）：相机可能在支架中移动了，赤经离合器打滑了，或者线缆拉动了赤道仪。请确认一切已固定牢靠，将赤经轴转回起始位置，然后重新测量轴心。</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手册</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>此计算机上没有程序打开手册。手册位于：
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>手机视图…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>拍摄器材设置...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>快速极轴校准</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>无法解析星空（%1）：请在向导步骤中手动匹配模板。</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>找不到赤经轴的中心：请保持赤道仪静止，然后再次转动赤经轴。</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>星点没有绕同一点旋转（相差 %1″）：请确认各部分都已固定牢靠，然后再次转动赤经轴。</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>未安装软件包 %1</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>赤道仪...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>星星在图像中按此方向移动</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>点击“开始监视”后，此处放大显示极点和轴。</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>相机丢失：正在重新连接…（%1）</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>相机已停止（%1）</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>记录每一帧</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>记录每一帧：每小时约 40 GB，而不是 4 GB 以内</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>赤道仪</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI 服务器</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>望远镜</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>正在询问服务器…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>服务器没有提供望远镜。</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>找到 %n 台望远镜。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>等待读数：请开始监视极点</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>连接已断开：请重新打开程序显示的地址</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>已在目标内</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>无法启动手机视图：%1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>查看者：%1 / %2</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>手机视图</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>在同一网络中的手机或平板上显示读数：启动后扫描二维码或打开地址。每次启动都会生成新地址。</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1 不是 IP 地址</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>无法打开 %2 上的端口 %1：已被占用，或不是本机的地址</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>天极跟踪</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>如果赤道仪 GOTO 后丢失了天极，可以在这里转动找回。</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>跟踪:</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>归零</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QuickAlignment</name>
    <message>
        <source>Solving the sky...</source>
        <translation>正在解析星空...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>请保持赤道仪静止</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>赤道仪正在转动赤经轴...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>将赤经轴向任一方向转动 30° 或以上</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>赤道仪正在将赤经轴转回...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>将其转回并越过起始位置</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>赤道仪正在将赤经轴转回起始位置...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>转动螺栓，直到天极进入目标范围</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>已校准</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>赤道仪报告已转动，但星点没有随之旋转：相机是否装在这台赤道仪上？</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>找不到可随赤经轴跟踪的星：天空可能有云。</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>已在目标内，但 ± %1 大于目标：是否已开启大气折射校正？</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>天极在 %1 内保持 %2 秒后自动完成</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>已转动 %1°</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>快速极轴校准</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>手动步骤</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>本机未运行 gpsd</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>gpsd 尚未定位</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>%1:%2 上没有 INDI 服务器</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>%1:%2 上没有知道自身位置的 INDI 设备</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>虚拟赤道仪</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>赤经轴</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>高度调节螺栓</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>方位调节螺栓</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>恒星速跟踪</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>新的随机误差</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>显示真值</translation>
    </message>
    <message>
        <source>%1%2°</source>
        <translation>%1%2°</translation>
    </message>
    <message>
        <source>%1%2′</source>
        <translation>%1%2′</translation>
    </message>
    <message>
        <source>Angle: %1°</source>
        <translation>角度：%1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>极轴误差（角秒）
高度：%1
方位：%2
总计：%3</translation>
    </message>
</context>
</TS>
