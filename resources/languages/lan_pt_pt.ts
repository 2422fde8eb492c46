<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Velto Q7 V1.3.4.0, release 2018-06-28</source>
        <translation>Velto Q7 V1.3.4.0, lançada em 2018-06-28</translation>
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
        <translation>aprender</translation>
    </message>
    <message>
        <source>Adjuster</source>
        <translation>Ajustador</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Servidor INDI</translation>
    </message>
    <message>
        <source>GRBL controller</source>
        <translation>Controlador GRBL</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>INDI device</source>
        <translation>Dispositivo INDI</translation>
    </message>
    <message>
        <source>Altitude axis</source>
        <translation>Eixo de altitude</translation>
    </message>
    <message>
        <source>Altitude units per degree</source>
        <translation>Altitude: unidades por grau</translation>
    </message>
    <message>
        <source>Azimuth axis</source>
        <translation>Eixo de azimute</translation>
    </message>
    <message>
        <source>Azimuth units per degree</source>
        <translation>Azimute: unidades por grau</translation>
    </message>
</context>
<context>
    <name>AdjusterPanel</name>
    <message>
        <source>Adjuster…</source>
        <translation>Ajustador…</translation>
    </message>
    <message>
        <source>Align Automatically</source>
        <translation>Alinhar automaticamente</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interromper</translation>
    </message>
    <message>
        <source>The adjuster&apos;s settings are not complete.</source>
        <translation>As definições do ajustador não estão completas.</translation>
    </message>
    <message>
        <source>Connected: %1</source>
        <translation>Ligado: %1</translation>
    </message>
    <message>
        <source>The adjuster failed (%1).</source>
        <translation>O ajustador falhou (%1).</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>A ligar a %1…</translation>
    </message>
</context>
<context>
    <name>AlignmentLoop</name>
    <message>
        <source>Measure the axis and connect the adjuster first: the figures must be live.</source>
        <translation>Meça primeiro o eixo e ligue o ajustador: os valores têm de estar em direto.</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Interrompido.</translation>
    </message>
    <message>
        <source>Measuring…</source>
        <translation>A medir…</translation>
    </message>
    <message>
        <source>Stopped: the figures are not live (%1).</source>
        <translation>Parado: os valores não estão em direto (%1).</translation>
    </message>
    <message>
        <source>no pole</source>
        <translation>sem polo</translation>
    </message>
    <message>
        <source>Stopped: the motors moved but the pole did not.</source>
        <translation>Parado: os motores moveram-se mas o polo não.</translation>
    </message>
    <message>
        <source>Aligned: %1″ from the axis (± %2″); moves: %3.</source>
        <translation>Alinhado: a %1″ do eixo (± %2″); movimentos: %3.</translation>
    </message>
    <message>
        <source>Stopped: the ± of %1″ is larger than the step of %2″.</source>
        <translation>Parado: o ± de %1″ é maior do que o passo de %2″.</translation>
    </message>
    <message>
        <source>Stopped: not inside the target; moves: %1.</source>
        <translation>Parado: fora do alvo; movimentos: %1.</translation>
    </message>
    <message>
        <source>Stopped: a move of %1° in altitude and %2° in azimuth would leave the adjuster&apos;s travel.</source>
        <translation>Parado: um movimento de %1° em altitude e %2° em azimute sairia do curso do ajustador.</translation>
    </message>
    <message>
        <source>Move %1: altitude %2°, azimuth %3°</source>
        <translation>Movimento %1: altitude %2°, azimute %3°</translation>
    </message>
    <message>
        <source>Stopped: the adjuster failed (%1).</source>
        <translation>Parado: o ajustador falhou (%1).</translation>
    </message>
    <message>
        <source>Stopped: the adjuster did not finish its move within %1 s.</source>
        <translation>Parado: o ajustador não terminou o movimento em %1 s.</translation>
    </message>
    <message>
        <source>Stopped: no live figures for %1 s.</source>
        <translation>Parado: sem valores em direto há %1 s.</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>já não existe</translation>
    </message>
</context>
<context>
    <name>AlignmentSummary</name>
    <message>
        <source>Altitude: the axis is %1 above the pole</source>
        <translation>Altitude: o eixo está %1 acima do polo</translation>
    </message>
    <message>
        <source>Altitude: the axis is %1 below the pole</source>
        <translation>Altitude: o eixo está %1 abaixo do polo</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 east of the pole</source>
        <translation>Azimute: o eixo está %1 a leste do polo</translation>
    </message>
    <message>
        <source>Azimuth: the axis is %1 west of the pole</source>
        <translation>Azimute: o eixo está %1 a oeste do polo</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>The error left is not known: the camera&apos;s orientation was not found</source>
        <translation>O erro restante é desconhecido: a orientação da câmara não foi encontrada</translation>
    </message>
    <message>
        <source>Refraction corrected (%1 model): %2 %3, %4 °C</source>
        <translation>Refração corrigida (modelo %1): %2 %3, %4 °C</translation>
    </message>
    <message>
        <source>Refraction not corrected</source>
        <translation>Refração não corrigida</translation>
    </message>
    <message>
        <source>The alignment took %1</source>
        <translation>O alinhamento demorou %1</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Refração atmosférica</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>P(kPa)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>P(hPa)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>T(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>Ativar a correção da refração</translation>
    </message>
    <message>
        <source>Bennett (standard)</source>
        <translation>Bennett (padrão)</translation>
    </message>
    <message>
        <source>Physical (ERFA)</source>
        <translation>Física (ERFA)</translation>
    </message>
    <message>
        <source>Where do you observe from? The pole stands as high as your latitude, and the air lifts it by an amount that depends on the pressure and temperature.</source>
        <translation>De onde observa? O polo está tão alto quanto a sua latitude, e o ar eleva-o conforme a pressão e a temperatura.</translation>
    </message>
    <message>
        <source>Use this computer&apos;s location</source>
        <translation>Usar a localização deste computador</translation>
    </message>
    <message>
        <source>Looking for this computer&apos;s location...</source>
        <translation>A procurar a localização deste computador...</translation>
    </message>
    <message>
        <source>Found no location: %1</source>
        <translation>Nenhuma localização encontrada: %1</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>De %1</translation>
    </message>
</context>
<context>
    <name>AxisErrorPanel</name>
    <message>
        <source>Lower the altitude %1</source>
        <translation>Baixe a altitude %1</translation>
    </message>
    <message>
        <source>Raise the altitude %1</source>
        <translation>Suba a altitude %1</translation>
    </message>
    <message>
        <source>Move azimuth %1 west</source>
        <translation>Mova o azimute %1 para oeste</translation>
    </message>
    <message>
        <source>Move azimuth %1 east</source>
        <translation>Mova o azimute %1 para este</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>site unknown: the air&apos;s bending of up to 1′30″ is not corrected</source>
        <translation>local desconhecido: a refração do ar, até 1′30″, não está corrigida</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>alvo %1</translation>
    </message>
    <message>
        <source>%1 turns</source>
        <translation>%1 voltas</translation>
    </message>
    <message>
        <source>%1 turn</source>
        <translation>%1 volta</translation>
    </message>
    <message>
        <source>went past — turn back %1, then forward %2</source>
        <translation>passou do ponto — rode %1 para trás e depois %2 para a frente</translation>
    </message>
    <message>
        <source>less than ¼ turn</source>
        <translation>menos de ¼ de volta</translation>
    </message>
    <message>
        <source>%1 clockwise</source>
        <translation>%1 no sentido horário</translation>
    </message>
    <message>
        <source>%1 anticlockwise</source>
        <translation>%1 no sentido anti-horário</translation>
    </message>
    <message>
        <source>Altitude: %1</source>
        <translation>Altitude: %1</translation>
    </message>
    <message>
        <source>Azimuth: %1</source>
        <translation>Azimute: %1</translation>
    </message>
</context>
<context>
    <name>CameraSourceDialog</name>
    <message>
        <source>Simulated sky</source>
        <translation>Céu simulado</translation>
    </message>
    <message>
        <source>Recorded session</source>
        <translation>Sessão gravada</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Camera Source</source>
        <translation>Origem da câmara</translation>
    </message>
    <message>
        <source>A .ser file made with File &gt; Record Session</source>
        <translation>Um ficheiro .ser feito com Ficheiro &gt; Gravar sessão</translation>
    </message>
    <message>
        <source>Recorded Session</source>
        <translation>Sessão gravada</translation>
    </message>
    <message>
        <source>SER videos (*.ser);;All files (*)</source>
        <translation>Vídeos SER (*.ser);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Servidor INDI</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Press Refresh to list the server&apos;s cameras</source>
        <translation>Prima Atualizar para listar as câmaras do servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Anfitrião</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmara</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Distância focal</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Tamanho do píxel</translation>
    </message>
    <message>
        <source>Asking %1:%2 for its cameras...</source>
        <translation>A pedir a %1:%2 as suas câmaras...</translation>
    </message>
    <message>
        <source>The server has no camera.</source>
        <translation>O servidor não tem nenhuma câmara.</translation>
    </message>
    <message>
        <source>Cameras on the server: %1</source>
        <translation>Câmaras no servidor: %1</translation>
    </message>
    <message>
        <source>%1 µm (from the driver)</source>
        <translation>%1 µm (do controlador)</translation>
    </message>
    <message>
        <source>read from the driver once connected</source>
        <translation>lido do controlador depois de ligar</translation>
    </message>
    <message>
        <source>unknown: a plate solve measures it</source>
        <translation>desconhecida: medida pela resolução astrométrica</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>a host name or address is needed</source>
        <translation>é necessário um nome de anfitrião ou um endereço</translation>
    </message>
    <message>
        <source>not a host name or address</source>
        <translation>não é um nome de anfitrião nem um endereço</translation>
    </message>
</context>
<context>
    <name>CheckedField</name>
    <message>
        <source>not a whole number</source>
        <translation>não é um número inteiro</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>não é um número</translation>
    </message>
    <message>
        <source>must lie between %1 and %2</source>
        <translation>deve estar entre %1 e %2</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>FrameFreshness</name>
    <message>
        <source>stale: no frame for %1</source>
        <translation>desatualizado: sem imagem há %1</translation>
    </message>
    <message>
        <source>stale: no frame for %1 — %2</source>
        <translation>desatualizado: sem imagem há %1 — %2</translation>
    </message>
</context>
<context>
    <name>GrblAdjuster</name>
    <message>
        <source>the connection was closed</source>
        <translation>a ligação foi fechada</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>sem resposta há %1 s</translation>
    </message>
    <message>
        <source>the controller refused the move (%1)</source>
        <translation>o controlador recusou o movimento (%1)</translation>
    </message>
    <message>
        <source>alarm %1</source>
        <translation>alarme %1</translation>
    </message>
</context>
<context>
    <name>ImagingSetupDialog</name>
    <message>
        <source>Imaging Setup</source>
        <translation>Equipamento de astrofotografia</translation>
    </message>
    <message>
        <source>Anywhere</source>
        <translation>Todo o céu</translation>
    </message>
    <message>
        <source>The altitude knob turns the other way</source>
        <translation>O parafuso de altitude roda ao contrário</translation>
    </message>
    <message>
        <source>The azimuth knob turns the other way</source>
        <translation>O parafuso de azimute roda ao contrário</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Astrofotografia</translation>
    </message>
    <message>
        <source>Bolts</source>
        <translation>Parafusos</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Distância focal (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Tamanho do píxel (µm)</translation>
    </message>
    <message>
        <source>Sensor width (pixels)</source>
        <translation>Largura do sensor (píxeis)</translation>
    </message>
    <message>
        <source>Sensor height (pixels)</source>
        <translation>Altura do sensor (píxeis)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>Exposição mais longa (s)</translation>
    </message>
    <message>
        <source>Declination of the target (°)</source>
        <translation>Declinação do objeto (°)</translation>
    </message>
    <message>
        <source>The target keeps a star&apos;s drift and the turn of the field at the sensor&apos;s corner under one pixel of this camera within one exposure. &quot;Anywhere&quot; takes any declination up to %1°. The target is never below %2: the pole camera measures no finer.</source>
        <translation>O alvo mantém a deriva de uma estrela e a rotação do campo no canto do sensor abaixo de um píxel desta câmara durante uma exposição. «Todo o céu» aceita qualquer declinação até %1°. O alvo nunca é inferior a %2: a câmara polar não mede com maior precisão.</translation>
    </message>
    <message>
        <source>Turning a knob clockwise, seen from its head, raises the altitude or moves the axis east. Tick a box where yours does the opposite, as adjusters on the other side of the mount do.</source>
        <translation>Rodar um parafuso no sentido horário, visto da cabeça, sobe a altitude ou move o eixo para este. Marque a caixa se o seu faz o contrário, como acontece com os parafusos do outro lado da montagem.</translation>
    </message>
    <message>
        <source>Altitude: one turn moves the pole (′)</source>
        <translation>Altitude: deslocação do polo por volta (′)</translation>
    </message>
    <message>
        <source>Azimuth: one turn moves the pole (′)</source>
        <translation>Azimute: deslocação do polo por volta (′)</translation>
    </message>
    <message>
        <source>With a knob&apos;s turn known, the readout says how far to turn it.</source>
        <translation>Conhecido o efeito de uma volta do parafuso, a leitura indica quanto o deve rodar.</translation>
    </message>
    <message>
        <source>No imaging setup: no target.</source>
        <translation>Sem equipamento de astrofotografia: sem alvo.</translation>
    </message>
    <message>
        <source>Fill in every field for a target, or none.</source>
        <translation>Preencha todos os campos para obter um alvo, ou nenhum.</translation>
    </message>
    <message>
        <source>Monitor the pole first (Precise Pole): the turn is learnt from the readout.</source>
        <translation>Monitorize primeiro o polo (Alinhamento fino): a volta é aprendida a partir da leitura.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Turn the altitude knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Rode o parafuso de altitude uma volta completa no sentido horário, aguarde até os valores estabilizarem e clique em «Concluído».</translation>
    </message>
    <message>
        <source>Turn the azimuth knob one full turn clockwise, wait until the figures settle, then press Done.</source>
        <translation>Rode o parafuso de azimute uma volta completa no sentido horário, aguarde até os valores estabilizarem e clique em «Concluído».</translation>
    </message>
    <message>
        <source>The pole has not moved: turn the knob one full turn, then press Done again.</source>
        <translation>O polo não se moveu: rode o parafuso uma volta completa e clique novamente em «Concluído».</translation>
    </message>
    <message>
        <source>One turn moves the pole %1.</source>
        <translation>Uma volta move o polo %1.</translation>
    </message>
</context>
<context>
    <name>IndiAdjuster</name>
    <message>
        <source>the device is gone</source>
        <translation>o dispositivo já não existe</translation>
    </message>
    <message>
        <source>the device reports a failure</source>
        <translation>o dispositivo indica uma falha</translation>
    </message>
    <message>
        <source>no answer for %1 s</source>
        <translation>sem resposta há %1 s</translation>
    </message>
</context>
<context>
    <name>IndiDeviceLink</name>
    <message>
        <source>the connection was closed</source>
        <translation>a ligação foi fechada</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>o dispositivo já não existe</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not INDI</source>
        <translation>a resposta do servidor não é INDI</translation>
    </message>
</context>
<context>
    <name>IndiMount</name>
    <message>
        <source>the mount does not answer (no coordinates for %1 s)</source>
        <translation>a montagem não responde (sem coordenadas há %1 s)</translation>
    </message>
    <message>
        <source>the mount can neither go to coordinates nor move west and east</source>
        <translation>a montagem não consegue apontar para coordenadas nem mover-se para oeste e para leste</translation>
    </message>
    <message>
        <source>the mount is gone</source>
        <translation>a montagem já não existe</translation>
    </message>
    <message>
        <source>the mount reports a failure</source>
        <translation>a montagem indica uma falha</translation>
    </message>
    <message>
        <source>the mount turns the wrong way (%1 degrees of hour angle against the command)</source>
        <translation>a montagem roda no sentido errado (%1 graus de ângulo horário contra o comando)</translation>
    </message>
    <message>
        <source>the mount turned %1 of %2 degrees of hour angle</source>
        <translation>a montagem rodou %1 de %2 graus de ângulo horário</translation>
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
        <translation>Escolha do hemisfério</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>Q7 Setting</source>
        <translation>Definições da Q7</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Exp.(ms)</translation>
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
        <translation>Ganho</translation>
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
        <translation>Confirmar Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Ajuste do modelo</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rodar</translation>
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
        <translation>Alinhamento grosseiro</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Centro do eixo</translation>
    </message>
    <message>
        <source>Chose the same star every times</source>
        <translation>Escolha sempre a mesma estrela</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Pos. estrela 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Pos. estrela 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Pos. estrela 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Eixo:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Polaris/σ Oct atual</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Polaris/σ Oct alvo</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Alinhamento fino</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Polo:</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Monitorização do polo</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Estrela de referência A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posição:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Estrela de referência B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Monitorizar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Mostrar modelo</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Estilo monocromático</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estiramento</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Refração atmosférica</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Seguimento manual</translation>
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
        <translation>Manual do Velto Q7</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.bmp)</source>
        <translation>Imagens (*.png *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>Would you like to use the &apos;Axis center position&apos; recorded last time you used Velto Q7 ?</source>
        <translation>Pretende usar a «posição do centro do eixo» registada da última vez que usou o Velto Q7?</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Parece não haver nenhuma estrela neste ponto. Experimente outro ponto.</translation>
    </message>
    <message>
        <source>Can not get the Axis center, please click &apos;reset&apos; to re-find it.</source>
        <translation>Não foi possível obter o centro do eixo. Clique em «Refazer» para o procurar de novo.</translation>
    </message>
    <message>
        <source>Does match success?</source>
        <translation>O modelo coincide?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Has rotation finished?</source>
        <translation>Terminou a rotação?</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Rodado</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around Polaris visable.</source>
        <translation>Ajuste os parâmetros à esquerda para tornar visíveis mais estrelas em redor da Polaris.</translation>
    </message>
    <message>
        <source>Set the parameters to the left to make more stars around σ Oct visable.</source>
        <translation>Ajuste os parâmetros à esquerda para tornar visíveis mais estrelas em redor de σ Oct.</translation>
    </message>
    <message>
        <source>Has setting up finished?</source>
        <translation>Terminou a configuração?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Faça duplo clique na Polaris e rode o modelo com o controlo «Rodar» à esquerda até coincidir com as estrelas em redor da Polaris.</translation>
    </message>
    <message>
        <source>Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Faça duplo clique em σ Oct e rode o modelo com o controlo «Rodar» à esquerda até coincidir com as estrelas em redor de σ Oct.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Escolha uma estrela que não seja a Polaris e faça duplo clique nela na imagem. Memorize-a: vai selecioná-la de novo nos passos seguintes (passo 1 de 3).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and Double click it in the image. Remember this star, you will be selecting it again in the following steps (Step 1 of 3).</source>
        <translation>Escolha uma estrela que não seja σ Oct e faça duplo clique nela na imagem. Memorize-a: vai selecioná-la de novo nos passos seguintes (passo 1 de 3).</translation>
    </message>
    <message>
        <source>Rotate your mounts &apos;RA&apos; axis in the direction indicated by the arrow now at the top of the screen (rotate a minimum of 30 degree&apos;s).</source>
        <translation>Rode o eixo de AR da montagem no sentido indicado pela seta no topo do ecrã (no mínimo 30°).</translation>
    </message>
    <message>
        <source>Double click the same star again chosen in the previous step (Step 2 of 3).</source>
        <translation>Faça novamente duplo clique na estrela escolhida no passo anterior (passo 2 de 3).</translation>
    </message>
    <message>
        <source>Again, Rotate your mounts &apos;RA&apos; axis in the same direction at least 30 degrees.</source>
        <translation>Volte a rodar o eixo de AR da montagem no mesmo sentido, no mínimo 30°.</translation>
    </message>
    <message>
        <source>Double click the same star one last time chosen in the previous 2 steps (Step 3 of 3).</source>
        <translation>Faça duplo clique uma última vez na mesma estrela dos dois passos anteriores (passo 3 de 3).</translation>
    </message>
    <message>
        <source>Return the &apos;RA&apos; axis to the &apos;Home&apos; position - Ensure your chosen star stays on the circle while your mount rotates to the PARK position.</source>
        <translation>Leve o eixo de AR de volta à posição «Home»: enquanto a montagem regressa à posição de estacionamento, a estrela escolhida deve manter-se sobre o círculo.</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>O centro do eixo está correto?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correto</translation>
    </message>
    <message>
        <source>Expected position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Posição alvo: faça duplo clique na Polaris e rode o modelo com o controlo «Rodar» à esquerda até coincidir com as estrelas em redor da Polaris.</translation>
    </message>
    <message>
        <source>Expected position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Posição alvo: faça duplo clique em σ Oct e rode o modelo com o controlo «Rodar» à esquerda até coincidir com as estrelas em redor de σ Oct.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move Polaris into the center of the small Rotating circle now shown on the image.</source>
        <translation>Com os parafusos de altitude e azimute, leve a Polaris ao centro do pequeno círculo rotativo mostrado na imagem.</translation>
    </message>
    <message>
        <source>Using your Altitude and Azimuth bolts, move σ Oct into the center of the small Rotating circle now shown on the image.</source>
        <translation>Com os parafusos de altitude e azimute, leve σ Oct ao centro do pequeno círculo rotativo mostrado na imagem.</translation>
    </message>
    <message>
        <source>Has adjustment finished?</source>
        <translation>Terminou o ajuste?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Feito</translation>
    </message>
    <message>
        <source>Current position: Double Click Polaris and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around Polaris.</source>
        <translation>Posição atual: faça duplo clique na Polaris e rode o modelo com o controlo «Rodar» à esquerda até coincidir com as estrelas em redor da Polaris.</translation>
    </message>
    <message>
        <source>Current position: Double Click σ Oct and use the &apos;Rotate&apos; slider on the left to rotate the Template to match up to the stars around σ Oct.</source>
        <translation>Posição atual: faça duplo clique em σ Oct e rode o modelo com o controlo «Rodar» à esquerda até coincidir com as estrelas em redor de σ Oct.</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Clique no botão «Monitorizar».</translation>
    </message>
    <message>
        <source>Use your Altitude and Azimuth bolts only to move the Pole rectangle on top of the Axis circle.</source>
        <translation>Use apenas os parafusos de altitude e azimute para levar o retângulo do polo para cima do círculo do eixo.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>No Velto Q7 camera found!</source>
        <translation>Nenhuma câmara Velto Q7 encontrada!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as open error!</source>
        <translation>Não é possível ligar a câmara Velto Q7: erro ao abrir!</translation>
    </message>
    <message>
        <source>Can not connect Velto Q7 camera as initialize error!</source>
        <translation>Não é possível ligar a câmara Velto Q7: erro de inicialização!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Refine Axis Centre from All Stars</source>
        <translation>Afinar o centro do eixo com todas as estrelas</translation>
    </message>
    <message>
        <source>Record Session</source>
        <translation>Gravar sessão</translation>
    </message>
    <message>
        <source>Camera Source...</source>
        <translation>Origem da câmara...</translation>
    </message>
    <message>
        <source>Camera: recorded session %1</source>
        <translation>Câmara: sessão gravada %1</translation>
    </message>
    <message>
        <source>Camera: simulated sky</source>
        <translation>Câmara: céu simulado</translation>
    </message>
    <message>
        <source>SER videos (*.ser)</source>
        <translation>Vídeos SER (*.ser)</translation>
    </message>
    <message>
        <source>Can not record the session: %1</source>
        <translation>Não é possível gravar a sessão: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1
The file keeps the %2 frames written before.</source>
        <translation>A gravação parou: %1
O ficheiro guarda as %2 imagens escritas antes.</translation>
    </message>
    <message>
        <source>Recording %1: %2 frames, %3 MB</source>
        <translation>A gravar %1: %2 imagens, %3 MB</translation>
    </message>
    <message>
        <source>, %1 dropped</source>
        <translation>, %1 descartadas</translation>
    </message>
    <message>
        <source>Solve Now</source>
        <translation>Resolver agora</translation>
    </message>
    <message>
        <source>Plate Solving</source>
        <translation>Resolução astrométrica</translation>
    </message>
    <message>
        <source>No frame to solve yet: connect the camera first.</source>
        <translation>Ainda não há imagem para resolver: ligue primeiro a câmara.</translation>
    </message>
    <message>
        <source>Solving the frame...</source>
        <translation>A resolver a imagem...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Not solved: %1</source>
        <translation>Não resolvido: %1</translation>
    </message>
    <message>
        <source>Solved at %1&quot;/px. The pole is at (%2, %3), the zenith lies towards %4 degrees. Stars: %5.</source>
        <translation>Resolvido a %1&quot;/px. O polo está em (%2, %3), o zénite na direção de %4 graus. Estrelas: %5.</translation>
    </message>
    <message>
        <source>The template is not proposed: to have it, install the package %1.</source>
        <translation>O modelo não é proposto: para o ter, instale o pacote %1.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Estilo noturno</translation>
    </message>
    <message>
        <source>Connecting to the camera...</source>
        <translation>A ligar à câmara...</translation>
    </message>
    <message>
        <source> - %1 on %2:%3</source>
        <translation> - %1 em %2:%3</translation>
    </message>
    <message>
        <source>Camera: INDI %1 on %2:%3</source>
        <translation>Câmara: INDI %1 em %2:%3</translation>
    </message>
    <message>
        <source>Focal length %1 mm</source>
        <translation>Distância focal %1 mm</translation>
    </message>
    <message>
        <source>The plate solve measured the camera&apos;s lens: %1 mm focal length, used from now on.</source>
        <translation>A resolução astrométrica mediu a objetiva da câmara: %1 mm de distância focal, usada a partir de agora.</translation>
    </message>
    <message>
        <source>camera disconnected</source>
        <translation>câmara desligada</translation>
    </message>
    <message>
        <source>Alignment finished</source>
        <translation>Alinhamento concluído</translation>
    </message>
    <message>
        <source>The stars did not turn about one point between the three positions (they disagree by %1″): the camera may have shifted in its holder, the RA clutch slipped or a cable pulled the mount. Please make sure all is firm, return the RA axis to where it started and measure the axis centre again.</source>
        <translation>As estrelas não rodaram em torno de um único ponto entre as três posições (diferem em %1″): a câmara pode ter-se deslocado no suporte, a embraiagem de AR pode ter escorregado ou um cabo pode ter puxado a montagem. Certifique-se de que tudo está firme, volte a colocar o eixo de AR onde começou e meça novamente o centro do eixo.</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>No program on this computer opened the manual. It lies in:
%1</source>
        <translation>Nenhum programa deste computador abriu o manual. Está em:
%1</translation>
    </message>
    <message>
        <source>Phone View…</source>
        <translation>Vista no telemóvel…</translation>
    </message>
    <message>
        <source>Imaging Setup...</source>
        <translation>Equipamento de astrofotografia...</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Alinhamento rápido</translation>
    </message>
    <message>
        <source>The sky could not be solved (%1): please match the pattern by hand in the wizard&apos;s steps.</source>
        <translation>Não foi possível resolver o céu (%1): ajuste o modelo à mão nos passos do assistente.</translation>
    </message>
    <message>
        <source>The axis centre could not be found: hold the mount still and turn the RA axis again.</source>
        <translation>Não foi possível encontrar o centro do eixo: mantenha a montagem imóvel e rode novamente o eixo de AR.</translation>
    </message>
    <message>
        <source>The stars did not turn about one point (they disagree by %1″): make sure all is firm, then turn the RA axis again.</source>
        <translation>As estrelas não rodaram em torno de um só ponto (diferem em %1″): verifique se está tudo firme e rode novamente o eixo de AR.</translation>
    </message>
    <message>
        <source>the package %1 is not installed</source>
        <translation>o pacote %1 não está instalado</translation>
    </message>
    <message>
        <source>Mount...</source>
        <translation>Montagem...</translation>
    </message>
    <message>
        <source>The stars move this way in the image</source>
        <translation>As estrelas movem-se assim na imagem</translation>
    </message>
    <message>
        <source>The pole and the axis appear here, magnified, after Start Monitor.</source>
        <translation>O polo e o eixo aparecem aqui, ampliados, depois de «Monitorizar».</translation>
    </message>
    <message>
        <source>camera lost: reconnecting… (%1)</source>
        <translation>câmara perdida: a religar… (%1)</translation>
    </message>
    <message>
        <source>camera stopped (%1)</source>
        <translation>câmara parada (%1)</translation>
    </message>
    <message>
        <source>Record Every Frame</source>
        <translation>Gravar todas as imagens</translation>
    </message>
    <message>
        <source>Records every frame: about 40 GB an hour instead of under 4 GB</source>
        <translation>Grava todas as imagens: cerca de 40 GB por hora em vez de menos de 4 GB</translation>
    </message>
</context>
<context>
    <name>MountDialog</name>
    <message>
        <source>Mount</source>
        <translation>Montagem</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Servidor INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Telescope</source>
        <translation>Telescópio</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>A perguntar ao servidor…</translation>
    </message>
    <message>
        <source>The server offers no telescope.</source>
        <translation>O servidor não oferece nenhum telescópio.</translation>
    </message>
    <message numerus="yes">
        <source>%n telescope(s) found.</source>
        <translation>
            <numerusform>Foi encontrado %n telescópio.</numerusform>
            <numerusform>Foram encontrados %n telescópios.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PhoneView</name>
    <message>
        <source>Waiting for the readout: start monitoring the pole</source>
        <translation>À espera da leitura: inicie a monitorização do polo</translation>
    </message>
    <message>
        <source>Connection lost: open the address the program shows again</source>
        <translation>Ligação perdida: abra novamente o endereço que o programa mostra</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Inside the target</source>
        <translation>Dentro do alvo</translation>
    </message>
</context>
<context>
    <name>PhoneViewDialog</name>
    <message>
        <source>The phone view could not start: %1</source>
        <translation>Não foi possível iniciar a vista no telemóvel: %1</translation>
    </message>
    <message>
        <source>Viewers: %1 of %2</source>
        <translation>Espectadores: %1 de %2</translation>
    </message>
    <message>
        <source>Phone View</source>
        <translation>Vista no telemóvel</translation>
    </message>
    <message>
        <source>Shows the readout on a phone or tablet on the same network: start, then scan the code or open the address. Each start makes a new address.</source>
        <translation>Mostra a leitura num telemóvel ou tablet da mesma rede: inicie e depois leia o código ou abra o endereço. Cada início cria um endereço novo.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
</context>
<context>
    <name>PhoneViewServer</name>
    <message>
        <source>%1 is not an IP address</source>
        <translation>%1 não é um endereço IP</translation>
    </message>
    <message>
        <source>port %1 on %2 cannot be opened: in use, or not an address of this computer</source>
        <translation>não é possível abrir a porta %1 em %2: está em uso, ou não é um endereço deste computador</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Seguimento do polo</translation>
    </message>
    <message>
        <source>If the Pole was lost after used GOTO in the astrograph, then you can this to track.</source>
        <translation>Se perdeu o polo após um GOTO da montagem, recupere-o aqui.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Rotação:</translation>
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
        <translation>Repor</translation>
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
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>QuickAlignment</name>
    <message>
        <source>Solving the sky...</source>
        <translation>A resolver o céu...</translation>
    </message>
    <message>
        <source>Hold the mount still</source>
        <translation>Mantenha a montagem imóvel</translation>
    </message>
    <message>
        <source>The mount turns the RA axis...</source>
        <translation>A montagem está a rodar o eixo de AR...</translation>
    </message>
    <message>
        <source>Turn the RA axis by 30° or more, either way</source>
        <translation>Rode o eixo de AR 30° ou mais, em qualquer sentido</translation>
    </message>
    <message>
        <source>The mount turns the RA axis back...</source>
        <translation>A montagem está a rodar o eixo de AR de volta...</translation>
    </message>
    <message>
        <source>Turn it back past the start</source>
        <translation>Rode-o de volta para além do início</translation>
    </message>
    <message>
        <source>The mount returns the RA axis to where it started...</source>
        <translation>A montagem está a devolver o eixo de AR à posição inicial...</translation>
    </message>
    <message>
        <source>Turn the bolts until the pole is inside the target</source>
        <translation>Rode os parafusos até o polo ficar dentro do alvo</translation>
    </message>
    <message>
        <source>Aligned</source>
        <translation>Alinhado</translation>
    </message>
    <message>
        <source>The mount reported the turn, but the stars did not turn with it: is the camera on this mount?</source>
        <translation>A montagem comunicou a rotação, mas as estrelas não rodaram com ela: a câmara está nesta montagem?</translation>
    </message>
    <message>
        <source>No star to follow around the RA axis: the sky may be clouded.</source>
        <translation>Nenhuma estrela para seguir em torno do eixo de AR: o céu pode estar nublado.</translation>
    </message>
    <message>
        <source>Inside the target, but the ± %1 is wider than it: is the refraction correction on?</source>
        <translation>Dentro do alvo, mas o ± %1 é maior do que ele: a correção da refração está ativada?</translation>
    </message>
</context>
<context>
    <name>QuickAlignmentPanel</name>
    <message>
        <source>Done by itself when the pole stays inside %1 for %2 s</source>
        <translation>Termina sozinho quando o polo se mantém dentro de %1 durante %2 s</translation>
    </message>
    <message>
        <source>Turned %1°</source>
        <translation>Rodado %1°</translation>
    </message>
    <message>
        <source>Quick Alignment</source>
        <translation>Alinhamento rápido</translation>
    </message>
    <message>
        <source>Manual Steps</source>
        <translation>Passos manuais</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interromper</translation>
    </message>
</context>
<context>
    <name>SiteLocation</name>
    <message>
        <source>gpsd does not run on this computer</source>
        <translation>o gpsd não está a correr neste computador</translation>
    </message>
    <message>
        <source>gpsd has no position fix</source>
        <translation>o gpsd não tem posição</translation>
    </message>
    <message>
        <source>no INDI server at %1:%2</source>
        <translation>nenhum servidor INDI em %1:%2</translation>
    </message>
    <message>
        <source>no INDI device at %1:%2 knows its place</source>
        <translation>nenhum dispositivo INDI em %1:%2 conhece a sua localização</translation>
    </message>
</context>
<context>
    <name>VirtualMountWindow</name>
    <message>
        <source>Virtual Mount</source>
        <translation>Montagem virtual</translation>
    </message>
    <message>
        <source>RA axis</source>
        <translation>Eixo de AR</translation>
    </message>
    <message>
        <source>Altitude bolt</source>
        <translation>Parafuso de altitude</translation>
    </message>
    <message>
        <source>Azimuth bolt</source>
        <translation>Parafuso de azimute</translation>
    </message>
    <message>
        <source>Sidereal tracking</source>
        <translation>Seguimento sideral</translation>
    </message>
    <message>
        <source>New random error</source>
        <translation>Novo erro aleatório</translation>
    </message>
    <message>
        <source>Show truth</source>
        <translation>Mostrar valores reais</translation>
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
        <translation>Ângulo: %1°</translation>
    </message>
    <message>
        <source>Polar error (arcsec)
Altitude: %1
Azimuth: %2
Total: %3</source>
        <translation>Erro polar (segundos de arco)
Altitude: %1
Azimute: %2
Total: %3</translation>
    </message>
</context>
</TS>
