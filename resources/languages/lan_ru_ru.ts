<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0, выпуск 2018-06-28</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
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
        <translation>определить</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>Юстировщик</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Сервер INDI</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>Контроллер GRBL</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>Устройство INDI</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>Ось высоты</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>Высота: единиц на градус</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>Ось азимута</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>Азимут: единиц на градус</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>Юстировщик…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>Выровнять автоматически</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>Настройки юстировщика неполны.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Подключено: %1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>Сбой юстировщика (%1).</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Подключение к %1…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>Сначала измерьте ось и подключите юстировщик: данные должны быть актуальными.</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>Измерение…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>Остановлено: данные не актуальны (%1).</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>нет полюса</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>Остановлено: моторы двигались, а полюс нет.</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>Выровнено: %1″ от оси (± %2″); перемещений: %3.</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>Остановлено: ± %1″ больше шага %2″.</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>Остановлено: цель не достигнута; перемещений: %1.</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>Остановлено: перемещение на %1° по высоте и %2° по азимуту вышло бы за ход юстировщика.</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>Перемещение %1: высота %2°, азимут %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>Остановлено: сбой юстировщика (%1).</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>Остановлено: юстировщик не завершил перемещение за %1 с.</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>Остановлено: нет актуальных данных %1 с.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>он исчез</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>Высота: ось на %1 выше полюса</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>Высота: ось на %1 ниже полюса</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>Азимут: ось на %1 восточнее полюса</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>Азимут: ось на %1 западнее полюса</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Всего %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>Оставшаяся ошибка неизвестна: ориентация камеры не найдена</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>Рефракция учтена (модель %1): %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>Рефракция не учтена</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>Выравнивание заняло %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Атмосферная рефракция</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>P(кПа)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>P(гПа)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>T(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>Учёт атмосферной рефракции</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett (стандартная)</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>Физическая (ERFA)</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>Откуда вы наблюдаете? Полюс стоит на высоте, равной вашей широте, а воздух приподнимает его в зависимости от давления и температуры.</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>Взять местоположение этого компьютера</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>Поиск местоположения этого компьютера...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>Местоположение не найдено: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Из %1</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>Опустите высоту на %1</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>Поднимите высоту на %1</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>Сдвиньте азимут на %1 к западу</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>Сдвиньте азимут на %1 к востоку</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Всего %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>место неизвестно: преломление в воздухе до 1′30″ не исправлено</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>цель %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 об.</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 об.</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>перекручено — назад на %1, затем вперёд на %2</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>менее ¼ оборота</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>%1 по часовой стрелке</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>%1 против часовой стрелки</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>Высота: %1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>Азимут: %1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>Имитация неба</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Записанный сеанс</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>Источник камеры</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>Файл .ser, записанный через Файл &gt; Записать сеанс</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>Записанный сеанс</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>Видео SER (*.ser);;Все файлы (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Сервер INDI</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>Нажмите «Обновить», чтобы увидеть камеры сервера</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Хост</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Фокусное расстояние</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Размер пикселя</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>Запрос камер у %1:%2...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>На сервере нет камеры.</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>Камеры на сервере: %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 мкм (от драйвера)</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>читается из драйвера после подключения</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>неизвестно: измерит астрометрическое решение</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>нужно имя хоста или адрес</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>не имя хоста и не адрес</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>не целое число</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>не число</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>должно быть от %1 до %2</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
</context>
<context>
    <name>FrameFreshness</name>
    <message>
        <source>stale: no frame for %1</source>
        <translation>устарело: нет кадра %1</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>устарело: нет кадра %1 — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>соединение закрыто</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>нет ответа %1 с</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>контроллер отклонил перемещение (%1)</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>тревога %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>Съёмочное оборудование</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Всё небо</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>Винт высоты вращается в обратную сторону</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>Винт азимута вращается в обратную сторону</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Определить</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Съёмка</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>Винты</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Фокусное расстояние (мм)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Размер пикселя (мкм)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>Ширина сенсора (пиксели)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>Высота сенсора (пиксели)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Самая длинная выдержка (с)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>Склонение объекта (°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>Цель удерживает дрейф звезды и поворот поля в углу сенсора в пределах одного пикселя этой камеры за одну выдержку. «Всё небо» допускает любое склонение до %1°. Цель никогда не меньше %2: точнее полярная камера не измеряет.</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>Вращение винта по часовой стрелке (если смотреть на его головку) поднимает высоту или сдвигает ось на восток. Отметьте флажок, если ваш винт работает наоборот, как винты на другой стороне монтировки.</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>Высота: сдвиг полюса за оборот (′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>Азимут: сдвиг полюса за оборот (′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>Если известно действие одного оборота винта, показания подскажут, на сколько его повернуть.</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>Нет съёмочного оборудования: нет цели.</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>Заполните все поля, чтобы задать цель, или не заполняйте ни одного.</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>Сначала запустите контроль полюса (Точное выравнивание): оборот определяется по показаниям.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Поверните винт высоты на один полный оборот по часовой стрелке, дождитесь, пока значения установятся, затем нажмите «Готово».</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Поверните винт азимута на один полный оборот по часовой стрелке, дождитесь, пока значения установятся, затем нажмите «Готово».</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>Полюс не сдвинулся: поверните винт на полный оборот, затем снова нажмите «Готово».</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>Один оборот сдвигает полюс на %1.</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>устройство исчезло</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>устройство сообщает о сбое</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>нет ответа %1 с</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>соединение закрыто</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>устройство исчезло</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>ответ сервера не INDI</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>монтировка не отвечает (нет координат %1 с)</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>монтировка не может ни наводиться на координаты, ни двигаться на запад и восток</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>монтировка исчезла</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>монтировка сообщает о сбое</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>монтировка поворачивает не в ту сторону (%1 градусов часового угла против команды)</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>монтировка повернулась на %1 из %2 градусов часового угла</translation>
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
        <translation>Выбор полушария</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation>Настройка Q7</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Выд.(мс)</translation>
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
        <translation>Усил.</translation>
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
        <translation>Найти Полярную/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Совмещение шаблона</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Поворот</translation>
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
        <translation>Грубое выравнивание</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Центр оси</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>Всегда выбирайте одну звезду</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Звезда, поз. 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Звезда, поз. 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Звезда, поз. 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Ось:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Текущая Полярная/σ Oct</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Целевая Полярная/σ Oct</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Точное выравнивание</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Полюс:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Контроль полюса</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Опорная звезда A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Положение:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Опорная звезда B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Начать контроль</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Показать шаблон</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Монохромный вид</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Растяжка</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Атмосферная рефракция</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Ручное сопровождение</translation>
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
        <translation>Руководство Velto Q7</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
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
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>Изображения (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>Использовать «положение центра оси», сохранённое при последней работе с Velto Q7?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Похоже, в этой точке нет звезды. Попробуйте другую точку.</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>Не удалось определить центр оси. Нажмите «Сброс», чтобы найти его заново.</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>Шаблон совпал?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Совпал</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>Поворот завершён?</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>Настройте параметры слева так, чтобы вокруг Полярной было видно больше звёзд.</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>Настройте параметры слева так, чтобы вокруг σ Октанта было видно больше звёзд.</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>Настройка завершена?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Дважды щёлкните по Полярной и ползунком «Поворот» слева поверните шаблон так, чтобы он совпал со звёздами вокруг Полярной.</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Дважды щёлкните по σ Октанта и ползунком «Поворот» слева поверните шаблон так, чтобы он совпал со звёздами вокруг σ Октанта.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Выберите звезду (не Полярную) и дважды щёлкните по ней. Запомните её: на следующих шагах её нужно выбрать снова (шаг 1 из 3).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Выберите звезду (не σ Октанта) и дважды щёлкните по ней. Запомните её: на следующих шагах её нужно выбрать снова (шаг 1 из 3).</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>Поверните монтировку по оси RA в направлении стрелки вверху экрана (не менее чем на 30°).</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>Снова дважды щёлкните по звезде, выбранной на предыдущем шаге (шаг 2 из 3).</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>Снова поверните монтировку по оси RA в том же направлении, не менее чем на 30°.</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>В последний раз дважды щёлкните по той же звезде, что и на двух предыдущих шагах (шаг 3 из 3).</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>Верните ось RA в исходное положение (Home). Пока монтировка возвращается в положение парковки, выбранная звезда должна оставаться на окружности.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Центр оси верен?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Целевое положение: дважды щёлкните по Полярной и ползунком «Поворот» слева поверните шаблон так, чтобы он совпал со звёздами вокруг Полярной.</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Целевое положение: дважды щёлкните по σ Октанта и ползунком «Поворот» слева поверните шаблон так, чтобы он совпал со звёздами вокруг σ Октанта.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>Винтами высоты и азимута переместите Полярную в центр маленькой вращающейся окружности на изображении.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>Винтами высоты и азимута переместите σ Октанта в центр маленькой вращающейся окружности на изображении.</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>Юстировка завершена?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Текущее положение: дважды щёлкните по Полярной и ползунком «Поворот» слева поверните шаблон так, чтобы он совпал со звёздами вокруг Полярной.</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Текущее положение: дважды щёлкните по σ Октанта и ползунком «Поворот» слева поверните шаблон так, чтобы он совпал со звёздами вокруг σ Октанта.</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Нажмите кнопку «Начать контроль».</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>Только винтами высоты и азимута совместите прямоугольник полюса с окружностью оси.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>Камера Velto Q7 не найдена!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>Не удалось подключить камеру Velto Q7: ошибка открытия!</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>Не удалось подключить камеру Velto Q7: ошибка инициализации!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>Уточнять центр оси по всем звёздам</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Записать сеанс</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>Источник камеры...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>Камера: записанный сеанс %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>Камера: имитация неба</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>Видео SER (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>Не удаётся записать сеанс: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>Запись остановлена: %1
В файле остаются %2 кадров, записанных ранее.</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>Запись %1: %2 кадров, %3 МБ</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>, %1 пропущено</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>Решить сейчас</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>Астрометрическое решение</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>Кадра для решения ещё нет: сначала подключите камеру.</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>Решение кадра...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>Не решено: %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>Решено при %1&quot;/пикс. Полюс в точке (%2, %3), зенит в направлении %4 градусов. Звёзды: %5.</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>Шаблон не предложен: для этого установите пакет %1.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Ночной стиль</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>Подключение к камере...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %1 на %2:%3</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>Камера: INDI %1 на %2:%3</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>Фокусное расстояние %1 мм</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>Астрометрическое решение измерило объектив камеры: фокусное расстояние %1 мм, теперь используется оно.</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>камера отключена</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>Выравнивание завершено</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>Между тремя положениями звёзды повернулись не вокруг одной точки (расхождение %1″): возможно, камера сдвинулась в держателе, проскользнула муфта оси RA или кабель потянул монтировку. Убедитесь, что всё надёжно закреплено, верните ось RA в исходное положение и измерьте центр оси заново.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>Ни одна программа на этом компьютере не открыла руководство. Оно находится здесь:
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>Просмотр на телефоне…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>Съёмочное оборудование...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Быстрое выравнивание</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>Не удалось решить снимок неба (%1): совместите шаблон вручную на шагах мастера.</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>Не удалось найти центр оси: держите монтировку неподвижно и снова поверните ось RA.</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>Звёзды вращались не вокруг одной точки (расхождение %1″): убедитесь, что всё надёжно закреплено, и снова поверните ось RA.</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>пакет %1 не установлен</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>Монтировка...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>Звёзды движутся на изображении так</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>Полюс и ось появятся здесь в увеличении после «Начать контроль».</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>камера потеряна: переподключение… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>камера остановлена (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>Записывать каждый кадр</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>Записывает каждый кадр: около 40 ГБ в час вместо менее 4 ГБ</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>Монтировка</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Сервер INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Телескоп</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Запрос к серверу…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>Сервер не предлагает ни одного телескопа.</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>Найден %n телескоп.</numerusform>
            <numerusform>Найдено %n телескопа.</numerusform>
            <numerusform>Найдено %n телескопов.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>Ожидание показаний: запустите наблюдение за полюсом</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>Соединение потеряно: снова откройте адрес, который показывает программа</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>В пределах цели</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>Не удалось запустить просмотр на телефоне: %1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>Зрители: %1 из %2</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>Просмотр на телефоне</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>Показывает показания на телефоне или планшете в той же сети: запустите, затем отсканируйте код или откройте адрес. Каждый запуск создаёт новый адрес.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1 не является IP-адресом</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>не удаётся открыть порт %1 на %2: он занят, или это не адрес этого компьютера</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Сопровождение полюса</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>Если после наведения (GOTO) полюс потерян, найдите его здесь поворотом.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Поворот:</translation>
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
        <translation>Сброс</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>QuickAlignment</name>
    <message>
        <source>Solving the sky...</source>
        <translation>Решение снимка неба...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>Держите монтировку неподвижно</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>Монтировка поворачивает ось RA...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>Поверните ось RA на 30° или больше, в любую сторону</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>Монтировка поворачивает ось RA обратно...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>Поверните её обратно, дальше начального положения</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>Монтировка возвращает ось RA в начальное положение...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>Вращайте винты, пока полюс не окажется в пределах цели</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Выровнено</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>Монтировка сообщила о повороте, но звёзды не повернулись вместе с ней: камера установлена на эту монтировку?</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>Нет звезды для слежения при вращении оси RA: возможно, небо затянуто облаками.</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>В пределах цели, но погрешность ± %1 больше неё: включена ли поправка на рефракцию?</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>Завершится само, когда полюс продержится в пределах %1 в течение %2 с</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>Повёрнуто на %1°</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Быстрое выравнивание</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>Ручные шаги</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>gpsd не запущен на этом компьютере</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>у gpsd нет координат</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>нет сервера INDI на %1:%2</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>ни одно устройство INDI на %1:%2 не знает своего местоположения</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>Виртуальная монтировка</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>Ось RA</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>Винт высоты</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>Винт азимута</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>Звёздное ведение</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>Новая случайная ошибка</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>Показать истину</translation>
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
        <translation>Угол: %1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>Ошибка полярной оси (угл. с)
Высота: %1
Азимут: %2
Итого: %3</translation>
    </message>
</context>
</TS>
