<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0, 출시 2018-06-28</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
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
        <translation>학습</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>조정기</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI 서버</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>GRBL 컨트롤러</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>종류</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>INDI 장치</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>고도 축</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>고도: 도당 단위</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>방위 축</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>방위: 도당 단위</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>조정기…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>자동 정렬</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>조정기 설정이 완전하지 않습니다.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>연결됨: %1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>조정기에 오류가 발생했습니다 (%1).</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>%1에 연결 중…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>먼저 축을 측정하고 조정기를 연결하십시오. 수치가 실시간이어야 합니다.</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>중단되었습니다.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>측정 중…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>정지: 수치가 실시간이 아닙니다 (%1).</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>극 없음</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>정지: 모터는 움직였지만 극은 움직이지 않았습니다.</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>정렬됨: 축에서 %1″ (± %2″), 이동 횟수: %3.</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>정지: ± %1″이(가) 이동량 %2″보다 큽니다.</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>정지: 목표 안에 들지 않았습니다. 이동 횟수: %1.</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>정지: 고도 %1°, 방위 %2°의 이동은 조정기의 이동 범위를 벗어납니다.</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>이동 %1: 고도 %2°, 방위 %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>정지: 조정기에 오류가 발생했습니다 (%1).</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>정지: 조정기가 %1초 안에 이동을 마치지 못했습니다.</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>정지: %1초 동안 실시간 수치가 없습니다.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>장치가 없습니다</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>고도: 축이 극보다 %1 위에 있습니다</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>고도: 축이 극보다 %1 아래에 있습니다</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>방위: 축이 극보다 %1 동쪽에 있습니다</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>방위: 축이 극보다 %1 서쪽에 있습니다</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>합계 %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>남은 오차를 알 수 없습니다: 카메라 방향을 찾지 못했습니다</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>대기차 보정됨 (%1 모델): %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>대기차 보정 안 함</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>정렬에 걸린 시간 %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>대기 굴절</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>위도</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>경도</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>기압(kPa)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>기압(hPa)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>기온(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>대기 굴절 보정 사용</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett (표준)</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>물리 모델 (ERFA)</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>어디에서 관측하십니까? 천구의 극은 위도만큼 높이 있으며, 대기가 기압과 기온에 따라 극을 들어 올립니다.</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>이 컴퓨터의 위치 사용</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>이 컴퓨터의 위치를 찾는 중...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>위치를 찾지 못함: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>%1에서</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>고도를 %1 낮추세요</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>고도를 %1 높이세요</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>방위를 서쪽으로 %1 옮기세요</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>방위를 동쪽으로 %1 옮기세요</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>합계 %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>관측지 미상: 최대 1′30″의 대기 굴절이 보정되지 않았습니다</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>목표 %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 바퀴</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 바퀴</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>지나침 — %1 되돌린 후 %2 앞으로</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>¼ 바퀴 미만</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>시계 방향으로 %1</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>반시계 방향으로 %1</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>고도: %1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>방위: %1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>시뮬레이션 하늘</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>녹화된 세션</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>카메라 소스</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>파일 &gt; 세션 녹화로 만든 .ser 파일</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>녹화된 세션</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>SER 동영상 (*.ser);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI 서버</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>새로 고침을 눌러 서버의 카메라를 표시하세요</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>호스트</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>초점 거리</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>픽셀 크기</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>%1:%2 에 카메라 목록을 묻는 중...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>서버에 카메라가 없습니다.</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>서버의 카메라: %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm (드라이버에서)</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>연결 후 드라이버에서 읽습니다</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>알 수 없음: 플레이트 해석으로 측정</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>호스트 이름이나 주소가 필요합니다</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>호스트 이름이나 주소가 아닙니다</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>정수가 아닙니다</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>숫자가 아닙니다</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>%1에서 %2 사이여야 합니다</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1 s</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1분 %2초</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1시간 %2분</translation>
    </message>
</context>
<context>
    <name>FrameFreshness</name>
    <message>
        <source>stale: no frame for %1</source>
        <translation>오래된 값: %1 동안 프레임 없음</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>오래된 값: %1 동안 프레임 없음 — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>연결이 닫혔습니다</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>%1초 동안 응답이 없습니다</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>컨트롤러가 이동을 거부했습니다 (%1)</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>경보 %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>촬영 장비 설정</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>전천</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>고도 조절 볼트가 반대로 돕니다</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>방위 조절 볼트가 반대로 돕니다</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>학습</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>촬영</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>볼트</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>초점 거리(mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>픽셀 크기(µm)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>센서 너비(픽셀)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>센서 높이(픽셀)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>최장 노출(초)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>촬영 대상의 적위(°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>목표는 한 번의 노출 동안 별의 흐름과 센서 모서리에서의 시야 회전을 이 카메라의 1픽셀 미만으로 유지하는 값입니다. &apos;전천&apos;은 적위 %1°까지 모든 방향을 허용합니다. 극축 카메라는 그보다 정밀하게 측정하지 못하므로 목표는 %2보다 작아지지 않습니다.</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>볼트를 머리 쪽에서 보아 시계 방향으로 돌리면 고도가 올라가거나 축이 동쪽으로 움직입니다. 적도의 반대편의 조절 볼트처럼 반대로 움직이는 경우 확인란을 선택하세요.</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>고도: 1바퀴당 극 이동량(′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>방위: 1바퀴당 극 이동량(′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>볼트 1바퀴당 이동량을 알면 판독값이 얼마나 돌려야 하는지 알려 줍니다.</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>촬영 장비 설정 없음: 목표 없음.</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>목표를 구하려면 모든 칸을 입력하거나 모두 비워 두세요.</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>먼저 극을 모니터링하세요(정밀 정렬). 1바퀴당 이동량은 판독값에서 학습합니다.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>고도 조절 볼트를 시계 방향으로 정확히 한 바퀴 돌리고 수치가 안정될 때까지 기다린 다음 &apos;완료&apos;를 누르세요.</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>방위 조절 볼트를 시계 방향으로 정확히 한 바퀴 돌리고 수치가 안정될 때까지 기다린 다음 &apos;완료&apos;를 누르세요.</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>극이 움직이지 않았습니다. 볼트를 한 바퀴 돌린 다음 &apos;완료&apos;를 다시 누르세요.</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>한 바퀴에 극이 %1 움직입니다.</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>장치가 사라졌습니다</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>장치가 오류를 보고합니다</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>%1초 동안 응답이 없습니다</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>연결이 닫혔습니다</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>장치가 사라졌습니다</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>서버의 응답이 INDI가 아닙니다</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>적도의가 응답하지 않습니다(%1초 동안 좌표 없음)</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>적도의가 좌표로 이동할 수도, 서쪽과 동쪽으로 움직일 수도 없습니다</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>적도의가 사라졌습니다</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>적도의가 오류를 보고합니다</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>적도의가 반대 방향으로 돕니다(명령과 반대로 시간각 %1도)</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>적도의가 시간각 %2도 중 %1도 돌았습니다</translation>
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
        <translation>반구 선택</translation>
    </message>
    <message>
        <source>North</source>
        <translation>북반구</translation>
    </message>
    <message>
        <source>South</source>
        <translation>남반구</translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation>Q7 설정</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>노출(ms)</translation>
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
        <translation>게인</translation>
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
        <translation>북극성/σ Oct 확인</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>템플릿 맞추기</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
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
        <translation>대략 정렬</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>축 중심</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>매번 같은 별을 고르세요</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>별 위치 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>별 위치 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>별 위치 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>축:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>북극성/σ Oct 현재 위치</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>북극성/σ Oct 목표 위치</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>정밀 정렬</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>천극:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>천극 모니터링</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>기준별 A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>위치:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>기준별 B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>모니터링 시작</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>배율</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>다른 이름으로 저장...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>템플릿 표시</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>흑백 표시</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>스트레치</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>대기 굴절</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>수동 추적</translation>
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
        <translation>Velto Q7 설명서</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
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
        <translation>저장</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>이미지 (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>질문</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>지난번 Velto Q7 사용 시 기록된 &apos;축 중심 위치&apos;를 사용하시겠습니까?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>이 위치에는 별이 없는 것 같습니다. 다른 위치를 시도하세요.</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>축 중심을 구할 수 없습니다. &apos;재설정&apos;을 눌러 다시 찾으세요.</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>템플릿이 일치합니까?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>일치함</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>회전을 마쳤습니까?</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>회전함</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>왼쪽의 설정을 조정하여 북극성 주변의 별이 더 많이 보이게 하세요.</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>왼쪽의 설정을 조정하여 팔분의자리 σ 주변의 별이 더 많이 보이게 하세요.</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>설정을 마쳤습니까?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>설정됨</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>북극성을 더블 클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더로 템플릿을 돌려 북극성 주변의 별에 맞추세요.</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>팔분의자리 σ를 더블 클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더로 템플릿을 돌려 팔분의자리 σ 주변의 별에 맞추세요.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>북극성이 아닌 별 하나를 골라 이미지에서 더블 클릭하세요. 다음 단계에서 이 별을 다시 선택하므로 기억해 두세요(3단계 중 1단계).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>팔분의자리 σ가 아닌 별 하나를 골라 이미지에서 더블 클릭하세요. 다음 단계에서 이 별을 다시 선택하므로 기억해 두세요(3단계 중 1단계).</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>화면 위쪽의 화살표가 가리키는 방향으로 마운트의 적경축을 돌리세요(최소 30°).</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>이전 단계에서 고른 같은 별을 다시 더블 클릭하세요(3단계 중 2단계).</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>마운트의 적경축을 같은 방향으로 다시 30° 이상 돌리세요.</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>앞의 두 단계에서 고른 같은 별을 마지막으로 한 번 더 더블 클릭하세요(3단계 중 3단계).</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>적경축을 &apos;홈&apos; 위치로 되돌리세요. 마운트가 파크 위치로 돌아가는 동안 고른 별이 원 위에 머물러야 합니다.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>축 중심이 맞습니까?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>맞음</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>목표 위치: 북극성을 더블 클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더로 템플릿을 돌려 북극성 주변의 별에 맞추세요.</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>목표 위치: 팔분의자리 σ를 더블 클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더로 템플릿을 돌려 팔분의자리 σ 주변의 별에 맞추세요.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>고도·방위 조절 볼트로 북극성을 이미지에 표시된 회전하는 작은 원의 중심으로 옮기세요.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>고도·방위 조절 볼트로 팔분의자리 σ를 이미지에 표시된 회전하는 작은 원의 중심으로 옮기세요.</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>조정을 마쳤습니까?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>조정함</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>현재 위치: 북극성을 더블 클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더로 템플릿을 돌려 북극성 주변의 별에 맞추세요.</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>현재 위치: 팔분의자리 σ를 더블 클릭한 다음 왼쪽의 &apos;회전&apos; 슬라이더로 템플릿을 돌려 팔분의자리 σ 주변의 별에 맞추세요.</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>&apos;모니터링 시작&apos; 버튼을 누르세요.</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>고도·방위 조절 볼트만 사용해 극 사각형을 축 원 위로 옮기세요.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>재시작</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>Velto Q7 카메라를 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>Velto Q7 카메라에 연결할 수 없습니다(열기 오류)!</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>Velto Q7 카메라에 연결할 수 없습니다(초기화 오류)!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>모든 별로 축 중심 정밀화</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>세션 녹화</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>카메라 소스...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>카메라: 녹화된 세션 %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>카메라: 시뮬레이션 하늘</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>SER 동영상 (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>세션을 녹화할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>녹화가 멈췄습니다: %1
그 전에 기록한 %2 프레임은 파일에 남아 있습니다.</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>녹화 중 %1: %2 프레임, %3 MB</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>, %1 누락</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>지금 해석</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>플레이트 해석</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>해석할 영상이 아직 없습니다. 먼저 카메라를 연결하십시오.</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>영상 해석 중...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>해석 실패: %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>%1&quot;/px로 해석했습니다. 극은 (%2, %3), 천정은 %4도 방향입니다. 별: %5.</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>템플릿이 제안되지 않습니다: 제안을 받으려면 %1 패키지를 설치하세요.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>야간 스타일</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>카메라에 연결하는 중...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %2:%3 의 %1</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>카메라: %2:%3 의 INDI %1</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>초점 거리 %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>플레이트 해석으로 카메라 렌즈를 측정했습니다: 초점 거리 %1 mm, 이제부터 이 값을 사용합니다.</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>카메라 연결 끊김</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>정렬 완료</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>세 위치 사이에서 별들이 한 점을 중심으로 회전하지 않았습니다(차이 %1″). 카메라가 홀더 안에서 움직였거나, 적경 클러치가 미끄러졌거나, 케이블이 가대를 잡아당겼을 수 있습니다. 모든 것이 단단히 고정되었는지 확인하고, 적경축을 시작 위치로 되돌린 다음 축 중심을 다시 측정하십시오.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>설명서</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>이 컴퓨터에서 설명서를 연 프로그램이 없습니다. 설명서 위치:
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>휴대폰 보기…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>촬영 장비 설정...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>빠른 극축 정렬</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>하늘을 해석하지 못했습니다(%1). 마법사 단계에서 템플릿을 직접 맞추세요.</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>축 중심을 찾지 못했습니다. 적도의를 움직이지 말고 적경축을 다시 돌리세요.</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>별들이 한 점을 중심으로 돌지 않았습니다(차이 %1″). 모든 부분이 단단히 고정되었는지 확인한 다음 적경축을 다시 돌리세요.</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>%1 패키지가 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>적도의...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>이미지에서 별은 이 방향으로 움직입니다</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>「모니터링 시작」 후 극과 축이 여기에 확대되어 표시됩니다.</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>카메라 끊김: 다시 연결 중… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>카메라 정지됨 (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>모든 프레임 기록</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>모든 프레임을 기록합니다: 시간당 4 GB 미만 대신 약 40 GB</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>적도의</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>INDI 서버</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>망원경</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>서버에 묻는 중…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>서버에 망원경이 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>망원경 %n대를 찾았습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>판독값을 기다리는 중: 극 모니터링을 시작하십시오</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>연결이 끊어졌습니다: 프로그램이 표시하는 주소를 다시 여십시오</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>소리</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>목표 안</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>휴대폰 보기를 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>보는 기기: %2개 중 %1개</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>휴대폰 보기</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>같은 네트워크의 휴대폰이나 태블릿에 판독값을 표시합니다: 시작한 다음 코드를 스캔하거나 주소를 여십시오. 시작할 때마다 새 주소가 만들어집니다.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1은(는) IP 주소가 아닙니다</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>%2의 포트 %1을(를) 열 수 없습니다: 사용 중이거나 이 컴퓨터의 주소가 아닙니다</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>천극 추적</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>GOTO 후 천극을 놓쳤다면 여기에서 다시 찾을 수 있습니다.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>추적:</translation>
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
        <translation>초기화</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QuickAlignment</name>
    <message>
        <source>Solving the sky...</source>
        <translation>하늘 해석 중...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>적도의를 움직이지 마세요</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>적도의가 적경축을 돌리는 중...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>적경축을 어느 방향으로든 30° 이상 돌리세요</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>적도의가 적경축을 되돌리는 중...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>시작 위치를 지나도록 되돌리세요</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>적도의가 적경축을 시작 위치로 되돌리는 중...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>극이 목표 안에 들어올 때까지 볼트를 돌리세요</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>정렬 완료</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>적도의가 회전을 보고했지만 별이 함께 돌지 않았습니다. 카메라가 이 적도의에 장착되어 있습니까?</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>적경축 주위로 따라갈 별이 없습니다. 하늘이 흐린 것 같습니다.</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>목표 안에 있지만 오차(± %1)가 목표보다 큽니다. 대기차 보정이 켜져 있습니까?</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>극이 %2초 동안 %1 안에 머무르면 자동으로 완료됩니다</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>%1° 회전함</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>빠른 극축 정렬</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>수동 단계</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>이 컴퓨터에서 gpsd가 실행되지 않습니다</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>gpsd가 위치를 얻지 못했습니다</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>%1:%2에 INDI 서버가 없습니다</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>%1:%2에 위치를 아는 INDI 장치가 없습니다</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>가상 마운트</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>적경축</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>고도 조절 볼트</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>방위 조절 볼트</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>항성시 추적</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>새 무작위 오차</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>실제 값 표시</translation>
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
        <translation>각도: %1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>극축 오차(각초)
고도: %1
방위: %2
합계: %3</translation>
    </message>
</context>
</TS>
