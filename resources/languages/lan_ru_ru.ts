<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;nordvane.example&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;a href=&quot;https://nordvane.example/&quot;&gt;&lt;img src=&quot;:/images/Velto.png&quot; height=&quot;40&quot; width=&quot;131&quot;/&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velto Q7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>70</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rough Pole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-color: rgb(248, 248, 255);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-image: url(:/images/logo.png);
padding: 0px;
margin-top: -5px;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>template_image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velto Q7 Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>русский</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>français</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Español</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>português</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>italiano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>한국어</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>Изображения (*.png *.jpg *.bmp)</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
