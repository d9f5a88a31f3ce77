<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ModelError</name>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>no coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>desbordamiento</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>llamada a procedimiento o argumento no válido</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <comment>inside a sentence, in brackets</comment>
        <translation>división por cero</translation>
    </message>
</context>
<context>
    <name>app::AboutBox</name>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright. Copying it or passing it on is allowed only under the GNU General Public License, version 3 or later; any other copying is not allowed. It comes with no warranty.</source>
        <translation>Advertencia: este programa está protegido por derechos de autor. Copia y distribución solo según la GNU General Public License, versión 3 o posterior; toda otra copia está prohibida. Sin garantía.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>FEEDBACK</source>
        <translation>COMENTARIOS</translation>
    </message>
    <message>
        <source>Please install a mail program such as Thunderbird or Evolution.</source>
        <translation>Instale un programa de correo como Thunderbird o Evolution.</translation>
    </message>
</context>
<context>
    <name>app::IntroductionWindow</name>
    <message>
        <source>An Introduction To Veltrane</source>
        <translation>Una introducción a Veltrane</translation>
    </message>
    <message>
        <source>Ejnar Hertzsprung</source>
        <translation>Ejnar Hertzsprung</translation>
    </message>
    <message>
        <source>Portrait of %1</source>
        <translation>Retrato de %1</translation>
    </message>
    <message>
        <source>Henry Norris Russell</source>
        <translation>Henry Norris Russell</translation>
    </message>
    <message>
        <source>&amp;Further Proceed</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Go to program</source>
        <translation>Ir al programa</translation>
    </message>
</context>
<context>
    <name>app::OtherAspectsWindow</name>
    <message>
        <source>Other Aspects Of Veltrane</source>
        <translation>Otros aspectos de Veltrane</translation>
    </message>
    <message>
        <source>Temperature - Luminosity - Radius Relation</source>
        <translation>Relación temperatura - luminosidad - radio</translation>
    </message>
    <message>
        <source>Main - Sequence Mass - Lifetime Relation</source>
        <translation>Secuencia principal: masa - tiempo de vida</translation>
    </message>
    <message>
        <source>Graph of the temperature, luminosity and radius of stars</source>
        <translation>Gráfico de la temperatura, la luminosidad y el radio de las estrellas</translation>
    </message>
    <message>
        <source>Graph of the mass and lifetime of main-sequence stars</source>
        <translation>Gráfico de la masa y el tiempo de vida de las estrellas de la secuencia principal</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>app::StartupWindow</name>
    <message>
        <source>WELCOME TO THE MOST USEFUL SOFTWARE FOR THE ASTRONOMERS</source>
        <translation>BIENVENIDO AL SOFTWARE MÁS ÚTIL PARA LOS ASTRÓNOMOS</translation>
    </message>
    <message>
        <source>AND ASTROPHYSICST</source>
        <translation>Y ASTROFÍSICOS</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>I Don&apos;t Need Introduction About Veltrane</source>
        <translation>No necesito la introducción a Veltrane</translation>
    </message>
</context>
<context>
    <name>app::WindowLook</name>
    <message>
        <source>Veltrane program icon</source>
        <translation>Icono del programa Veltrane</translation>
    </message>
</context>
<context>
    <name>diagram::DiagramPicture</name>
    <message>
        <source>Arrow keys move the cursor one pixel, with Shift ten pixels; the display shows the temperature and magnitude under it. Enter or Space selects the star under the cursor.</source>
        <translation>Las flechas mueven el cursor un píxel, diez con Mayús; la lectura muestra la temperatura y la magnitud debajo. Intro o Espacio elige la estrella bajo el cursor.</translation>
    </message>
</context>
<context>
    <name>diagram::DiagramWindow</name>
    <message>
        <source>Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>TEMPERATURE(K) = </source>
        <translation>TEMPERATURA (K) = </translation>
    </message>
    <message>
        <source>ABS. MAGNITUDE = </source>
        <translation>MAGN. ABSOLUTA = </translation>
    </message>
    <message>
        <source>TEMPERATURE</source>
        <translation>TEMPERATURA</translation>
    </message>
    <message>
        <source>ABSOLUTE MAGNITUDE</source>
        <translation>MAGNITUD ABSOLUTA</translation>
    </message>
    <message>
        <source>LUMINOSITY (SUN=1)</source>
        <translation>LUMINOSIDAD (SOL=1)</translation>
    </message>
    <message>
        <source>RADIUS (SUN=1)</source>
        <translation>RADIO (SOL=1)</translation>
    </message>
    <message>
        <source>RADIUS (km)</source>
        <translation>RADIO (km)</translation>
    </message>
    <message>
        <source>MASS (SUN=1)</source>
        <translation>MASA (SOL=1)</translation>
    </message>
    <message>
        <source>MASS (kg)</source>
        <translation>MASA (kg)</translation>
    </message>
    <message>
        <source>LIFE EXPECTENCY</source>
        <translation>TIEMPO DE VIDA (AÑOS)</translation>
    </message>
    <message>
        <source>Click The Image First !</source>
        <translation>¡Haga clic primero en el diagrama!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Star Evolution</source>
        <translation>Evolución estelar</translation>
    </message>
</context>
<context>
    <name>diagram::GeneralDiagramWindow</name>
    <message>
        <source>VELTRANE - click the diagram to read a star</source>
        <translation>VELTRANE - haga clic en el diagrama para leer una estrella</translation>
    </message>
    <message>
        <source>Stellar diagram</source>
        <translation>Diagrama de Hertzsprung-Russell</translation>
    </message>
    <message>
        <source>FOR SUN T = 5946K , M = 4.78</source>
        <translation>PARA EL SOL T = 5946 K, M = 4,78</translation>
    </message>
    <message>
        <source>&amp;SHOW RELATIVE SIZE AND COLOUR</source>
        <translation>&amp;MOSTRAR TAMAÑO Y COLOR RELATIVOS</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>VALORES</translation>
    </message>
    <message>
        <source>FOR MAIN-SEQUENCE STARS CLICK OK</source>
        <translation>SECUENCIA PRINCIPAL: PULSE OK</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>&amp;SALIR</translation>
    </message>
    <message>
        <source>File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Abrir la base de datos de estrellas</translation>
    </message>
    <message>
        <source>Print Data</source>
        <translation>Imprimir datos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Veltrane</source>
        <translation>Veltrane</translation>
    </message>
</context>
<context>
    <name>diagram::MainSequenceWindow</name>
    <message>
        <source>Main sequence: mass and lifetime follow from the luminosity</source>
        <translation>Secuencia principal: masa y tiempo de vida se deducen de la luminosidad</translation>
    </message>
    <message>
        <source>Main-sequence diagram</source>
        <translation>Diagrama de la secuencia principal</translation>
    </message>
    <message>
        <source>FOR SUN T = 5946K , M = 4.78</source>
        <translation>PARA EL SOL T = 5946 K, M = 4,78</translation>
    </message>
    <message>
        <source>&amp;SHOW RELATIVE SIZE AND COLOUR</source>
        <translation>&amp;MOSTRAR TAMAÑO Y COLOR RELATIVOS</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>VALORES</translation>
    </message>
    <message>
        <source>&amp;BACK</source>
        <translation>&amp;VOLVER</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>&amp;SALIR</translation>
    </message>
    <message>
        <source>File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Print Data</source>
        <translation>Imprimir datos</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Veltrane [Main - Sequence]</source>
        <translation>Veltrane [Secuencia principal]</translation>
    </message>
</context>
<context>
    <name>platform::SaveWithDialog</name>
    <message>
        <source>This file belongs to Veltrane itself (its star catalogue, the program or its help) and cannot be replaced. Please choose another name.</source>
        <translation>Este archivo pertenece al propio Veltrane (su catálogo de estrellas, el programa o su ayuda) y no se puede reemplazar. Elija otro nombre.</translation>
    </message>
</context>
<context>
    <name>relsize::DrawingDescription</name>
    <message>
        <source>red</source>
        <translation>roja</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>yellow-white</source>
        <translation>blanco-amarillenta</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanca</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>deep blue</source>
        <translation>azul intenso</translation>
    </message>
    <message>
        <source>coloured</source>
        <translation>de color</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>1/3</translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>1/7</translation>
    </message>
    <message>
        <source>one fifteenth</source>
        <translation>1/15</translation>
    </message>
    <message>
        <source>one thirtieth</source>
        <translation>1/30</translation>
    </message>
    <message>
        <source>one fiftieth</source>
        <translation>1/50</translation>
    </message>
    <message>
        <source>one seventieth</source>
        <translation>1/70</translation>
    </message>
    <message>
        <source>one eightieth</source>
        <translation>1/80</translation>
    </message>
    <message>
        <source>one ninetieth</source>
        <translation>1/90</translation>
    </message>
    <message>
        <source>one hundredth</source>
        <translation>1/100</translation>
    </message>
    <message>
        <source>1/%1</source>
        <translation>1/%1</translation>
    </message>
    <message>
        <source>less than a hundredth of the Sun&apos;s radius</source>
        <translation>menos de una centésima parte del radio del Sol</translation>
    </message>
    <message>
        <source>more than a million times the Sun&apos;s radius</source>
        <translation>más de un millón de veces el radio del Sol</translation>
    </message>
    <message>
        <source>about as large as the Sun</source>
        <translation>más o menos tan grande como el Sol</translation>
    </message>
    <message>
        <source>about %1 times the Sun&apos;s radius</source>
        <translation>unas %1 veces el radio del Sol</translation>
    </message>
    <message>
        <source>Sun drawn alone at %1 scale: the %2 star is too small to draw</source>
        <translation>Sol dibujado solo a escala %1: la estrella (%2) es demasiado pequeña para dibujarla</translation>
    </message>
    <message>
        <source>Star drawn beside the Sun: %1, %2, drawn at %3 scale</source>
        <translation>Estrella dibujada junto al Sol: %1, %2, a escala %3</translation>
    </message>
</context>
<context>
    <name>relsize::RelativeSizeWindow</name>
    <message>
        <source>Relative Size</source>
        <translation>Tamaño relativo</translation>
    </message>
    <message>
        <source>No star drawn yet</source>
        <translation>Todavía no se ha dibujado ninguna estrella</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <source>STAR</source>
        <translation>ESTRELLA</translation>
    </message>
    <message>
        <source>&amp;SAVE</source>
        <translation>&amp;GUARDAR</translation>
    </message>
    <message>
        <source>Save picture to a bitmap file</source>
        <translation>Guardar la imagen en un archivo de mapa de bits</translation>
    </message>
    <message>
        <source>&amp;HELP</source>
        <translation>&amp;AYUDA</translation>
    </message>
    <message>
        <source>&amp;EXIT</source>
        <translation>&amp;CERRAR</translation>
    </message>
    <message>
        <source> All files(*.*)|*.*|Bitmap files(*.bmp)|*.bmp</source>
        <translation> Todos los archivos(*.*)|*.*|Archivos de mapa de bits(*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>report::PrintData</name>
    <message>
        <source>Click The Image First To Get Data</source>
        <translation>Haga clic primero en el diagrama para obtener datos</translation>
    </message>
    <message>
        <source>Click The Image First To Get Data </source>
        <translation>Haga clic primero en el diagrama para obtener datos </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source> Text files(*.txt)|*.txt</source>
        <translation> Archivos de texto(*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Open The Printed Data File?</source>
        <translation>¿Abrir el archivo de datos guardado?</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Please install a text editor such as gedit or Mousepad.</source>
        <translation>Instale un editor de texto como gedit o Mousepad.</translation>
    </message>
</context>
<context>
    <name>stardb::CatalogueLocation</name>
    <message>
        <source>%1 It can be browsed and plotted, but no star can be added or deleted.</source>
        <translation>%1 Se puede consultar y representar, pero no se pueden añadir ni borrar estrellas.</translation>
    </message>
    <message>
        <source>There is no folder for your own copy of the star catalogue.</source>
        <translation>No hay ninguna carpeta para su propia copia del catálogo de estrellas.</translation>
    </message>
    <message>
        <source>The star catalogue cannot be copied to %1 (%2).</source>
        <translation>No se puede copiar el catálogo de estrellas en %1 (%2).</translation>
    </message>
</context>
<context>
    <name>stardb::StarDatabaseWindow</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Click if you want to add data in database</source>
        <translation>Haga clic para añadir datos a la base de datos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit update</source>
        <translation>Salir de la edición</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Delete any entry from the database</source>
        <translation>Borrar una entrada de la base de datos</translation>
    </message>
    <message>
        <source>&amp;Plot </source>
        <translation>&amp;Representar </translation>
    </message>
    <message>
        <source>Click to plot the data in Q-T diagram</source>
        <translation>Haga clic para representar los datos en el diagrama HR</translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close the database</source>
        <translation>Cerrar la base de datos</translation>
    </message>
    <message>
        <source>&amp;Update Database</source>
        <translation>&amp;Modificar base</translation>
    </message>
    <message>
        <source>Click to update database</source>
        <translation>Haga clic para modificar la base de datos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Submit the data</source>
        <translation>Confirmar los datos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Cancel update</source>
        <translation>Cancelar la edición</translation>
    </message>
    <message>
        <source>Star Database</source>
        <translation>Base de datos de estrellas</translation>
    </message>
    <message>
        <source>STAR NAME</source>
        <translation>NOMBRE DE LA ESTRELLA</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATOS</translation>
    </message>
    <message>
        <source>Star Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Avarage Surface Temperature (K)</source>
        <translation>Temperatura superficial media (K)</translation>
    </message>
    <message>
        <source>Absolute Magnitude</source>
        <translation>Magnitud absoluta</translation>
    </message>
    <message>
        <source>The star catalogue %1 cannot be opened.

%2</source>
        <translation>No se puede abrir el catálogo de estrellas %1.

%2</translation>
    </message>
    <message>
        <source>Please Enter The Star Name and Other Data</source>
        <translation>Introduzca el nombre de la estrella y los demás datos</translation>
    </message>
    <message>
        <source>This temperature and absolute magnitude cannot be plotted together (%1).</source>
        <translation>Esta temperatura y esta magnitud absoluta no se pueden representar juntas (%1).</translation>
    </message>
    <message>
        <source>The %1 is empty.</source>
        <translation>El campo «%1» está vacío.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; cannot be plotted (%3).</source>
        <translation>El valor «%2» del campo «%1» no se puede representar (%3).</translation>
    </message>
    <message>
        <source>

Please type a number above zero, for example %1.</source>
        <translation>

Escriba un número mayor que cero, por ejemplo %1.</translation>
    </message>
    <message>
        <source>

Please type a number, for example %1.</source>
        <translation>

Escriba un número, por ejemplo %1.</translation>
    </message>
    <message>
        <source>Please Select Star Name to Delete </source>
        <translation>Seleccione la estrella que desea borrar </translation>
    </message>
    <message>
        <source>Are You Sure to Delete Record?</source>
        <translation>¿Seguro que desea borrar el registro?</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Please Choose A Star First to Plot</source>
        <translation>Elija primero una estrella para representar</translation>
    </message>
    <message>
        <source>its %1 &quot;%2&quot;</source>
        <translation>el valor «%2» del campo «%1»</translation>
    </message>
    <message>
        <source>its temperature and absolute magnitude together</source>
        <translation>la combinación de su temperatura y su magnitud absoluta</translation>
    </message>
    <message>
        <source>The star &quot;%1&quot; cannot be plotted: %2 cannot be used (%3).</source>
        <translation>La estrella «%1» no se puede representar: %2 no es utilizable (%3).</translation>
    </message>
</context>
<context>
    <name>stardb::StarRecordSet</name>
    <message>
        <source>Another program is using the star catalogue just now (%1). Wait a moment and try again.</source>
        <translation>Otro programa está usando el catálogo de estrellas en este momento (%1). Espere un momento y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>It is not a star catalogue (%1).</source>
        <translation>No es un catálogo de estrellas (%1).</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is not a file.</source>
        <translation>No es un archivo.</translation>
    </message>
    <message>
        <source>The database engine cannot open it (%1).</source>
        <translation>El motor de base de datos no puede abrirlo (%1).</translation>
    </message>
    <message>
        <source>It has no table %1.</source>
        <translation>No tiene ninguna tabla %1.</translation>
    </message>
    <message>
        <source>Its table %1 has no field %2.</source>
        <translation>Su tabla %1 no tiene ningún campo %2.</translation>
    </message>
    <message>
        <source>The record no longer exists.</source>
        <translation>El registro ya no existe.</translation>
    </message>
    <message>
        <source>The star catalogue %1 is not open; no star can be added or deleted.</source>
        <translation>El catálogo de estrellas %1 no está abierto; no se pueden añadir ni borrar estrellas.</translation>
    </message>
    <message>
        <source>The star catalogue %1 is read-only; it can be browsed and plotted but not changed.</source>
        <translation>El catálogo de estrellas %1 es de solo lectura; se puede consultar y representar, pero no modificar.</translation>
    </message>
    <message>
        <source>There is no new record to save.</source>
        <translation>No hay ningún registro nuevo que guardar.</translation>
    </message>
    <message>
        <source>The star catalogue is not open.</source>
        <translation>El catálogo de estrellas no está abierto.</translation>
    </message>
    <message>
        <source>The record has already been deleted.</source>
        <translation>El registro ya se ha borrado.</translation>
    </message>
    <message>
        <source>There is no current record.</source>
        <translation>No hay ningún registro actual.</translation>
    </message>
    <message>
        <source>%1

The star catalogue cannot be changed: the disk it is on is full (%2). Make room on the disk and try again.</source>
        <translation>%1

No se puede modificar el catálogo de estrellas: el disco en el que está se ha llenado (%2). Libere espacio en el disco y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>It is a symbolic link that cannot be followed: its links lead round in a loop.</source>
        <translation>Es un enlace simbólico que no se puede seguir: sus enlaces forman un bucle.</translation>
    </message>
    <message>
        <source>It is a symbolic link to %1, which does not exist.</source>
        <translation>Es un enlace simbólico a %1, que no existe.</translation>
    </message>
</context>
<context>
    <name>starlife::StarEvolutionWindow</name>
    <message>
        <source>main-sequence star</source>
        <translation>estrella de la secuencia principal</translation>
    </message>
    <message>
        <source>subgiant</source>
        <translation>subgigante</translation>
    </message>
    <message>
        <source>red giant</source>
        <translation>gigante roja</translation>
    </message>
    <message>
        <source>helium-burning star</source>
        <translation>estrella en fase de fusión del helio</translation>
    </message>
    <message>
        <source>asymptotic-giant-branch star</source>
        <translation>estrella de la rama asintótica de las gigantes</translation>
    </message>
    <message>
        <source>helium star</source>
        <translation>estrella de helio</translation>
    </message>
    <message>
        <source>evolved helium star</source>
        <translation>estrella de helio evolucionada</translation>
    </message>
    <message>
        <source>white dwarf</source>
        <translation>enana blanca</translation>
    </message>
    <message>
        <source>neutron star</source>
        <translation>estrella de neutrones</translation>
    </message>
    <message>
        <source>black hole</source>
        <translation>agujero negro</translation>
    </message>
    <message>
        <source>nothing left</source>
        <translation>no queda nada</translation>
    </message>
    <message>
        <source>main sequence</source>
        <translation>secuencia principal</translation>
    </message>
    <message>
        <source>helium burning</source>
        <translation>fusión del helio</translation>
    </message>
    <message>
        <source>AGB</source>
        <translation>AGB</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>%1 million years</source>
        <translation>%1 millones de años</translation>
    </message>
    <message>
        <source>%1 billion years</source>
        <translation>%1 mil millones de años</translation>
    </message>
    <message>
        <source>%1 yr</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>%1 Myr</source>
        <translation>%1 Ma</translation>
    </message>
    <message>
        <source>%1 Gyr</source>
        <translation>%1 Ga</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Time in this phase</source>
        <translation>Tiempo en esta fase</translation>
    </message>
    <message>
        <source>Mass (Sun = 1)</source>
        <translation>Masa (Sol = 1)</translation>
    </message>
    <message>
        <source>Core mass (Sun = 1)</source>
        <translation>Masa del núcleo (Sol = 1)</translation>
    </message>
    <message>
        <source>Luminosity (Sun = 1)</source>
        <translation>Luminosidad (Sol = 1)</translation>
    </message>
    <message>
        <source>Surface temperature (K)</source>
        <translation>Temperatura superficial (K)</translation>
    </message>
    <message>
        <source>Radius (Sun = 1)</source>
        <translation>Radio (Sol = 1)</translation>
    </message>
    <message>
        <source>Absolute magnitude</source>
        <translation>Magnitud absoluta</translation>
    </message>
    <message>
        <source>Turn-off mass (Sun = 1)</source>
        <translation>Masa en el punto de desvío (Sol = 1)</translation>
    </message>
    <message>
        <source>Star Evolution</source>
        <translation>Evolución estelar</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>&amp;Initial mass (Sun = 1):</source>
        <translation>&amp;Masa inicial (Sol = 1):</translation>
    </message>
    <message>
        <source>One star&apos;s &amp;life</source>
        <translation>&amp;Vida de una estrella</translation>
    </message>
    <message>
        <source>A star cluster (is&amp;ochrone)</source>
        <translation>Un cúmulo estelar (&amp;isócrona)</translation>
    </message>
    <message>
        <source>&amp;Age</source>
        <translation>&amp;Edad</translation>
    </message>
    <message>
        <source>The star&apos;s life on the Hertzsprung-Russell diagram</source>
        <translation>La vida de la estrella en el diagrama de Hertzsprung-Russell</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>The star now</source>
        <translation>La estrella ahora</translation>
    </message>
    <message>
        <source>— : no magnitude; the diagrams show no star below %1 times the Sun&apos;s luminosity.</source>
        <translation>— : sin magnitud; los diagramas no muestran ninguna estrella por debajo de %1 veces la luminosidad del Sol.</translation>
    </message>
    <message>
        <source>The star beside the Sun</source>
        <translation>La estrella junto al Sol</translation>
    </message>
    <message>
        <source>Phases of its life</source>
        <translation>Las fases de su vida</translation>
    </message>
    <message>
        <source>Begins at</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Lasts</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Show on the &amp;diagrams</source>
        <translation>Mostrar en los &amp;diagramas</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Guardar como CSV...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Plot the star as it is now on the general and the main-sequence diagram</source>
        <translation>Representar la estrella tal como es ahora en el diagrama general y en el de la secuencia principal</translation>
    </message>
    <message>
        <source>Save the track, or the isochrone, as a CSV file for a spreadsheet</source>
        <translation>Guardar la trayectoria evolutiva, o la isócrona, en un archivo CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>The slider runs over the ages of a star cluster from 1 million to 15 billion years, each factor of ten taking the same room.</source>
        <translation>El deslizador recorre la edad de un cúmulo estelar desde 1 millón hasta 15 000 millones de años; cada factor diez ocupa el mismo espacio.</translation>
    </message>
    <message>
        <source>Each phase of the star&apos;s life has its own stretch of the slider, however short it is; the read-outs give the true age.</source>
        <translation>Cada fase de la vida de la estrella tiene su propio tramo del deslizador, por breve que sea; las casillas muestran la edad real.</translation>
    </message>
    <message>
        <source>The initial mass &quot;%1&quot; cannot be used. Please type a number from %2 to %3 (solar masses), for example %4.</source>
        <translation>La masa inicial «%1» no se puede usar. Escriba un número de %2 a %3 (masas solares), por ejemplo %4.</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <source>turn-off: %1 solar masses</source>
        <translation>punto de desvío: %1 masas solares</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>The Sun is too small to see at this scale.</source>
        <translation>A esta escala, el Sol es demasiado pequeño para verse.</translation>
    </message>
    <message>
        <source>The star is too small to see at this scale.</source>
        <translation>A esta escala, la estrella es demasiado pequeña para verse.</translation>
    </message>
    <message>
        <source>The star (%1) is too faint to be shown on the diagrams: it gives out %2 times the Sun&apos;s light, and the diagrams give an absolute magnitude only to stars of more than %3 times the Sun&apos;s luminosity.</source>
        <translation>La estrella (%1) es demasiado débil para mostrarla en los diagramas: emite %2 veces la luz del Sol, y los diagramas solo dan una magnitud absoluta a las estrellas de más de %3 veces la luminosidad del Sol.</translation>
    </message>
    <message>
        <source> CSV files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation> Archivos CSV(*.csv)|*.csv|Todos los archivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>%1, %2 old, %3 times the Sun&apos;s luminosity, surface temperature %4 K, %5 times the Sun&apos;s radius.</source>
        <translation>%1, %2 de edad, %3 veces la luminosidad del Sol, temperatura superficial %4 K, %5 veces el radio del Sol.</translation>
    </message>
    <message>
        <source>Isochrone of a star cluster %1 old: all its stars are still on the main sequence. The chosen star: %2</source>
        <translation>Isócrona de un cúmulo estelar de %1: todas sus estrellas siguen en la secuencia principal. La estrella elegida: %2</translation>
    </message>
    <message>
        <source>Isochrone of a star cluster %1 old, its main-sequence turn-off at %2 times the Sun&apos;s mass. The chosen star: %3</source>
        <translation>Isócrona de un cúmulo estelar de %1, punto de desvío de la secuencia principal a %2 veces la masa del Sol. La estrella elegida: %3</translation>
    </message>
</context>
<context>
    <name>tools::AppPictures</name>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Mass (Sun = 1)</source>
        <translation>Masa (Sol = 1)</translation>
    </message>
    <message>
        <source>Lifetime (years)</source>
        <translation>Tiempo de vida (años)</translation>
    </message>
    <message>
        <source>Luminosity (Sun = 1)</source>
        <translation>Luminosidad (Sol = 1)</translation>
    </message>
    <message>
        <source>L = M⁴ (dashed)     lifetime = 10¹⁰ years / M²·⁵</source>
        <translation>L = M⁴ (a trazos)   tiempo de vida = 10¹⁰ años / M²·⁵</translation>
    </message>
    <message>
        <source>Surface temperature (K)</source>
        <translation>Temperatura superficial (K)</translation>
    </message>
    <message>
        <source>white lines: equal radius, R = √L · (5964 K / T)²</source>
        <translation>líneas blancas: igual radio, R = √L · (5964 K / T)²</translation>
    </message>
</context>
<context>
    <name>tools::DiagramPictures</name>
    <message>
        <source>SUN</source>
        <translation>SOL</translation>
    </message>
    <message>
        <source>MAIN SEQUENCE</source>
        <translation>SECUENCIA PRINCIPAL</translation>
    </message>
    <message>
        <source>SUPERGIANTS</source>
        <translation>SUPERGIGANTES</translation>
    </message>
    <message>
        <source>GIANTS</source>
        <translation>GIGANTES</translation>
    </message>
    <message>
        <source>WHITE DWARFS</source>
        <translation>ENANAS BLANCAS</translation>
    </message>
    <message>
        <source>← hot     temperature     cool →</source>
        <translation>← caliente     temperatura     fría →</translation>
    </message>
    <message>
        <source>← faint   absolute magnitude   bright →</source>
        <translation>← débil   magnitud absoluta   brillante →</translation>
    </message>
</context>
<context>
    <name>windows::OpenDocument</name>
    <message>
        <source>%1

The file does not exist.</source>
        <translation>%1

El archivo no existe.</translation>
    </message>
    <message>
        <source>%1

No program on this computer can open this file. %2</source>
        <translation>%1

Ningún programa de este ordenador puede abrir este archivo. %2</translation>
    </message>
</context>
<context>
    <name>windows::OpenHelp</name>
    <message>
        <source>%1

The help file is missing, and so are its web pages. Please install Veltrane again.</source>
        <translation>%1

Falta el archivo de ayuda, y también sus páginas web. Vuelva a instalar Veltrane.</translation>
    </message>
    <message>
        <source>%1

No program on this computer can open the help, neither this file nor its web pages in %2. Please install a CHM viewer such as xchm, or a web browser.</source>
        <translation>%1

Ningún programa de este ordenador puede abrir la ayuda, ni este archivo ni sus páginas web en %2. Instale un visor de CHM como xchm, o un navegador web.</translation>
    </message>
</context>
</TS>
