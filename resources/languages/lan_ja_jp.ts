<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0、リリース 2018-06-28</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>学習</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>調整器</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI サーバー</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>GRBL コントローラー</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>INDI デバイス</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>高度軸</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>高度：1 度あたりの単位</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>方位軸</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>方位：1 度あたりの単位</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>調整器…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>自動で合わせる</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>調整器の設定が不完全です。</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>接続済み：%1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>調整器に障害が発生しました（%1）。</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>%1 に接続中…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>先に軸を測定し、調整器を接続してください。数値はライブである必要があります。</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>中止しました。</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>測定中…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>停止：数値がライブではありません（%1）。</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>極なし</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>停止：モーターは動きましたが、極は動きませんでした。</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>調整完了：軸から %1″（± %2″）、移動回数：%3。</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>停止：± %1″ が移動量 %2″ より大きいです。</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>停止：目標内に入りません。移動回数：%1。</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>停止：高度 %1°、方位 %2° の移動は調整器の可動範囲を超えます。</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>移動 %1：高度 %2°、方位 %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>停止：調整器に障害が発生しました（%1）。</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>停止：調整器が %1 秒以内に移動を完了しませんでした。</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>停止：%1 秒間ライブの数値がありません。</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>見つかりません</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>高度: 軸は極より %1 上です</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>高度: 軸は極より %1 下です</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>方位: 軸は極より %1 東です</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>方位: 軸は極より %1 西です</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>合計 %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>残りの誤差は不明です: カメラの向きが見つかりませんでした</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>大気差補正あり (%1 モデル): %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>大気差補正なし</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>アライメントの所要時間 %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>大気差</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>気圧(kPa)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>気圧(hPa)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>気温(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>大気差補正を有効にする</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett（標準）</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>物理モデル（ERFA）</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>どこで観測していますか？天の極の高度は緯度に等しく、大気は気圧と気温に応じて極を持ち上げます。</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>このコンピューターの位置を使う</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>このコンピューターの位置を探しています...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>位置が見つかりません: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>%1 から</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>高度を %1 下げる</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>高度を %1 上げる</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>方位を西へ %1 動かす</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>方位を東へ %1 動かす</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>合計 %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>観測地不明: 最大 1′30″ の大気差は補正されていません</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>目標 %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 回転</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 回転</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>行き過ぎ — %1 戻してから %2 進める</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>¼ 回転未満</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>時計回りに %1</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>反時計回りに %1</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>高度: %1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>方位: %1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>シミュレーションの空</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>記録したセッション</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>カメラの入力元</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>ファイル &gt; セッションを記録 で作った .ser ファイル</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>記録したセッション</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>SER 動画 (*.ser);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI サーバー</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>「更新」でサーバーのカメラを一覧表示します</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>焦点距離</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>画素サイズ</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>%1:%2 にカメラを問い合わせています...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>サーバーにカメラがありません。</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>サーバーのカメラ: %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm（ドライバーから）</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>接続後にドライバーから読み取ります</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>不明：プレート解析で測定</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>ホスト名またはアドレスが必要です</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>ホスト名でもアドレスでもありません</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>整数ではありません</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>数値ではありません</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>%1 から %2 の間にしてください</translation>
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
        <translation>%1 時間 %2 分</translation>
    </message>
</context>
<context>
    <name>FrameFreshness</name>
    <message>
        <source>stale: no frame for %1</source>
        <translation>古い表示: %1 の間フレームなし</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>古い表示: %1 の間フレームなし — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>接続が閉じられました</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>%1 秒間応答がありません</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>コントローラーが移動を拒否しました（%1）</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>アラーム %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>撮影機材の設定</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>全天</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>高度調整ボルトの回転方向が逆</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>方位調整ボルトの回転方向が逆</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>学習</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>撮影</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>ボルト</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>焦点距離 (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>ピクセルサイズ (µm)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>センサー幅 (ピクセル)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>センサー高さ (ピクセル)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>最長露出時間 (秒)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>撮影対象の赤緯 (°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>目標は、1 回の露出中の星の流れとセンサー隅での視野回転を、このカメラの 1 ピクセル未満に抑える値です。「全天」では赤緯 %1° までのあらゆる方向に対応します。極軸カメラはそれより細かく測定できないため、目標が %2 を下回ることはありません。</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>ボルトを頭側から見て時計回りに回すと、高度が上がるか軸が東へ動きます。赤道儀の反対側にある調整ボルトのように逆に動く場合は、チェックを入れてください。</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>高度: 1 回転あたりの極の移動量 (′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>方位: 1 回転あたりの極の移動量 (′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>ボルト 1 回転あたりの移動量がわかれば、回す量が表示されます。</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>撮影機材が未設定のため、目標はありません。</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>目標を求めるには、すべての欄を入力するか、すべて空欄にしてください。</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>先に極を監視してください（極軸の精密調整）。1 回転あたりの移動量は表示値から学習します。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>高度調整ボルトを時計回りにちょうど 1 回転させ、数値が落ち着くのを待ってから「完了」を押してください。</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>方位調整ボルトを時計回りにちょうど 1 回転させ、数値が落ち着くのを待ってから「完了」を押してください。</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>極が動いていません。ボルトを 1 回転させてから、もう一度「完了」を押してください。</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>1 回転で極が %1 動きます。</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>デバイスが見つかりません</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>デバイスが障害を報告しています</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>%1 秒間応答がありません</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>接続が閉じられました</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>デバイスが見つかりません</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>サーバーの応答が INDI ではありません</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>赤道儀が応答しません（%1 秒間座標がありません）</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>赤道儀は座標への導入も東西への移動もできません</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>赤道儀が見つかりません</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>赤道儀が障害を報告しています</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>赤道儀が逆方向に回転しています（指令と逆に時角 %1 度）</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>赤道儀は時角 %2 度のうち %1 度回転しました</translation>
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
        <translation>半球の選択</translation>
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
        <translation>Q7 の設定</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>露出(ms)</translation>
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
        <translation>ゲイン</translation>
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
        <translation>北極星/σ Oct の確認</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>テンプレート合わせ</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
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
        <translation>極軸の粗調整</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>軸の中心</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>毎回同じ星を選んでください</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>星の位置 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>星の位置 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>星の位置 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>軸:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>北極星/σ Oct 現在位置</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>北極星/σ Oct 目標位置</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>極軸の精密調整</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>天の極:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>天の極の監視</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>基準星 A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>基準星 B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>監視開始</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>テンプレートを表示</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>モノクロ表示</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>ストレッチ</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>大気差</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>手動追尾</translation>
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
        <translation>Velto Q7 取扱説明書</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
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
        <translation>画像 (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>前回 Velto Q7 を使用したときに記録した「軸の中心の位置」を使いますか？</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>この位置には星がないようです。別の位置を試してください。</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>軸の中心を求められませんでした。「再試行」をクリックして、もう一度求めてください。</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>テンプレートは一致しましたか？</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>一致</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>回転は終わりましたか？</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>回転済</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>左側の設定を調整して、北極星の周りの星がより多く見えるようにしてください。</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>左側の設定を調整して、はちぶんぎ座σ星の周りの星がより多く見えるようにしてください。</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>設定は終わりましたか？</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>設定済</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>北極星をダブルクリックし、左側の「回転」スライダーでテンプレートを回して、北極星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>はちぶんぎ座σ星をダブルクリックし、左側の「回転」スライダーでテンプレートを回して、はちぶんぎ座σ星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>北極星以外の星を1つ選び、画像上でダブルクリックしてください。この星は次の手順でも選ぶので覚えておいてください（ステップ 1/3）。</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>はちぶんぎ座σ星以外の星を1つ選び、画像上でダブルクリックしてください。この星は次の手順でも選ぶので覚えておいてください（ステップ 1/3）。</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>画面上部に表示された矢印の方向に、架台の赤経軸を回してください（30°以上）。</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>前の手順で選んだ同じ星を、もう一度ダブルクリックしてください（ステップ 2/3）。</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>もう一度、架台の赤経軸を同じ方向に 30°以上回してください。</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>前の 2 つの手順で選んだ同じ星を、最後にもう一度ダブルクリックしてください（ステップ 3/3）。</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>赤経軸を「ホーム」位置に戻してください。架台がパーク位置へ回る間、選んだ星が円の上から外れないことを確かめます。</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>軸の中心は正しいですか？</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>正しい</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>目標位置：北極星をダブルクリックし、左側の「回転」スライダーでテンプレートを回して、北極星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>目標位置：はちぶんぎ座σ星をダブルクリックし、左側の「回転」スライダーでテンプレートを回して、はちぶんぎ座σ星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>高度・方位調整ボルトを使って、画像に表示された回転する小さな円の中心へ北極星を移動してください。</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>高度・方位調整ボルトを使って、画像に表示された回転する小さな円の中心へはちぶんぎ座σ星を移動してください。</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>調整は終わりましたか？</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>調整済</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>現在位置：北極星をダブルクリックし、左側の「回転」スライダーでテンプレートを回して、北極星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>現在位置：はちぶんぎ座σ星をダブルクリックし、左側の「回転」スライダーでテンプレートを回して、はちぶんぎ座σ星の周りの星に合わせてください。</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>「監視開始」ボタンをクリックしてください。</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>高度・方位調整ボルトだけを使って、天の極を示す四角形を軸の円の上に移動してください。</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>最初へ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>Velto Q7 カメラが見つかりません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>Velto Q7 カメラに接続できません（オープンエラー）。</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>Velto Q7 カメラに接続できません（初期化エラー）。</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>全ての星で軸中心を精密化</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>セッションを記録</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>カメラの入力元...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>カメラ: 記録したセッション %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>カメラ: シミュレーションの空</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>SER 動画 (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>セッションを記録できません: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>記録が止まりました: %1
それまでに書いた %2 フレームはファイルに残ります。</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>記録中 %1: %2 フレーム, %3 MB</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>、%1 件欠落</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>今すぐ解析</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>プレート解析</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>解析する画像がまだありません。先にカメラを接続してください。</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>画像を解析中...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>解析できませんでした: %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>%1&quot;/px で解析しました。極は (%2, %3)、天頂は %4 度の方向です。星: %5。</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>テンプレートは提案されません。提案させるにはパッケージ %1 をインストールしてください。</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>ナイトスタイル</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>カメラに接続しています...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %2:%3 の %1</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>カメラ: %2:%3 の INDI %1</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>焦点距離 %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>プレート解析でカメラのレンズを測定しました：焦点距離 %1 mm、以後この値を使います。</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>カメラ切断</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>アライメント完了</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>3つの位置の間で星が1点を中心に回転していません（ずれは %1″）。カメラがホルダー内でずれたか、赤経クラッチが滑ったか、ケーブルが架台を引っ張った可能性があります。すべてがしっかり固定されていることを確認し、赤経軸を開始位置に戻して、軸の中心をもう一度測定してください。</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>このコンピューターにはマニュアルを開くプログラムがありません。マニュアルの場所:
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>スマートフォン表示…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>撮影機材の設定...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>クイック極軸合わせ</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>星空を解析できませんでした（%1）。ウィザードの手順でテンプレートを手動で合わせてください。</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>軸の中心が見つかりませんでした。赤道儀を動かさずに、もう一度赤経軸を回してください。</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>星が 1 点を中心に回転しませんでした（ずれ %1″）。すべてがしっかり固定されていることを確認してから、もう一度赤経軸を回してください。</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>パッケージ %1 がインストールされていません</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>赤道儀...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>画像の中で星はこの向きに動きます</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>「監視開始」の後、極と軸がここに拡大表示されます。</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>カメラ切断: 再接続中… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>カメラ停止 (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>全フレームを記録</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>全フレームを記録します: 1時間あたり4 GB未満ではなく約40 GB</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>赤道儀</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI サーバー</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>望遠鏡</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>サーバーに問い合わせています…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>サーバーに望遠鏡がありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>%n 台の望遠鏡が見つかりました。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>表示を待っています：極の監視を開始してください</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>接続が切れました：プログラムが表示するアドレスを開き直してください</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>目標内</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>スマートフォン表示を開始できませんでした：%1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>閲覧者：%2 人中 %1 人</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>スマートフォン表示</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>同じネットワーク上のスマートフォンやタブレットに表示します：開始してから、コードを読み取るかアドレスを開いてください。開始するたびに新しいアドレスになります。</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
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
        <translation>%1 は IP アドレスではありません</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>%2 のポート %1 を開けません：使用中か、このコンピューターのアドレスではありません</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>天の極の追尾</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>GOTO 導入の後で天の極を見失ったときは、ここで追尾し直せます。</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>追尾:</translation>
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
        <translation>リセット</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QuickAlignment</name>
    <message>
        <source>Solving the sky...</source>
        <translation>星空を解析中...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>赤道儀を動かさないでください</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>赤道儀が赤経軸を回転中...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>赤経軸をどちらかの方向に 30° 以上回してください</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>赤道儀が赤経軸を戻しています...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>開始位置を越えるまで戻してください</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>赤道儀が赤経軸を開始位置に戻しています...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>極が目標内に入るまでボルトを回してください</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>極軸合わせ完了</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>赤道儀は回転を報告しましたが、星が一緒に回転しませんでした。カメラはこの赤道儀に取り付けられていますか？</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>赤経軸の回転で追える星がありません。曇っている可能性があります。</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>目標内ですが、± %1 が目標より大きいです。大気差補正はオンになっていますか？</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>極が %2 秒間 %1 以内に留まると自動的に完了します</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>%1° 回転</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>クイック極軸合わせ</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>手動の手順</translation>
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
        <translation>このコンピューターで gpsd が動いていません</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>gpsd は測位できていません</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>%1:%2 に INDI サーバーがありません</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>%1:%2 に位置を知る INDI デバイスがありません</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>仮想架台</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>赤経軸</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>高度調整ボルト</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>方位調整ボルト</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>恒星時追尾</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>新しいランダム誤差</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>真値を表示</translation>
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
        <translation>角度: %1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>極軸誤差（秒角）
高度: %1
方位: %2
合計: %3</translation>
    </message>
</context>
</TS>
