<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>fb</name>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Входные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Первичная обмотка</source>
        <translation>Primary winding</translation>
    </message>
    <message>
        <source>Авто</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Uнас.</source>
        <translation>Usat</translation>
    </message>
    <message>
        <source>Вторичные обмотки</source>
        <translation>Secondary windings</translation>
    </message>
    <message>
        <source>U ном., В</source>
        <translation>U nom., V</translation>
    </message>
    <message>
        <source>I ном., А</source>
        <translation>I nom., A</translation>
    </message>
    <message>
        <source>Ud f, В</source>
        <translation>Ud f, V</translation>
    </message>
    <message>
        <source>Диаметр</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Результаты расчета</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Сердечник</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Эффективная проницаемость с зазором</source>
        <translation>Effective permeability with gap</translation>
    </message>
    <message>
        <source>Амплитуда индукции</source>
        <translation>Peak flux density</translation>
    </message>
    <message>
        <source>Мощность потерь в магнитопроводе</source>
        <translation>Core loss</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Коэффициент заполнения окна</source>
        <translation>Window fill factor</translation>
    </message>
    <message>
        <source>мкГн</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>Индуктивность первичной обмотки</source>
        <translation>Primary inductance</translation>
    </message>
    <message>
        <source>Плотность тока</source>
        <translation>Current density</translation>
    </message>
    <message>
        <source>Отраженное напряжение</source>
        <translation>Reflected voltage</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Выброс напряжения на ключе от Ls не более</source>
        <translation>Switch overshoot from Ls, at most</translation>
    </message>
    <message>
        <source>Амплитуда тока транзистора</source>
        <translation>Transistor peak current</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Сопротивление датчика тока</source>
        <translation>Current sense resistor</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Емкость конденсатора выпрямителя (минимум)</source>
        <translation>Rectifier capacitor (minimum)</translation>
    </message>
    <message>
        <source>мкФ</source>
        <translation>µF</translation>
    </message>
    <message>
        <source>Напряжение питания</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source>мин.</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>ном.</source>
        <translation>nom.</translation>
    </message>
    <message>
        <source>макс.</source>
        <translation>max.</translation>
    </message>
    <message>
        <source>Ток потребления (по шине DC), A</source>
        <translation>Input current (DC bus), A</translation>
    </message>
    <message>
        <source>Коэффициент заполнения импульса</source>
        <translation>Duty cycle</translation>
    </message>
    <message>
        <source>Витки</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Провод</source>
        <translation>Wire</translation>
    </message>
    <message>
        <source>U вых.</source>
        <translation>U out</translation>
    </message>
    <message>
        <source>Ud обрат.</source>
        <translation>Ud rev.</translation>
    </message>
    <message>
        <source>Плот. тока</source>
        <translation>Cur. dens.</translation>
    </message>
    <message>
        <source>Расчеты RCD клампера</source>
        <translation>RCD clamper</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Дополнительная информация:</source>
        <translation>Additional information:</translation>
    </message>
    <message>
        <source>Действующий ток в обмотке, максимальный</source>
        <translation>Winding RMS current, maximum</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Выходные характеристики:</source>
        <translation>Output:</translation>
    </message>
    <message>
        <source>Амплитуда индукции (не более 0.310 Т)</source>
        <translation>Peak flux density (at most 0.310 T)</translation>
    </message>
    <message>
        <source>Т)</source>
        <translation>T)</translation>
    </message>
    <message>
        <source>Дроссель</source>
        <translation>Choke</translation>
    </message>
    <message>
        <source>Расчетная индуктивность дросселя</source>
        <translation>Required choke inductance</translation>
    </message>
    <message>
        <source>Индуктивность дросселя</source>
        <translation>Choke inductance</translation>
    </message>
    <message>
        <source>Число витков дросселя</source>
        <translation>Choke turns</translation>
    </message>
    <message>
        <source>Диаметр провода</source>
        <translation>Wire diameter</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Число жил в обмотке</source>
        <translation>Strands in the winding</translation>
    </message>
    <message>
        <source>Плотность тока, максимальная</source>
        <translation>Current density, maximum</translation>
    </message>
    <message>
        <source>А/мм2</source>
        <translation>A/mm2</translation>
    </message>
    <message>
        <source>Емкость входного конденсатора, не менее</source>
        <translation>Input capacitor, at least</translation>
    </message>
    <message>
        <source>Емкость выходного конденсатора, не менее</source>
        <translation>Output capacitor, at least</translation>
    </message>
    <message>
        <source>нФ</source>
        <translation>nF</translation>
    </message>
    <message>
        <source> мин.        макс.</source>
        <translation> min.        max.</translation>
    </message>
    <message>
        <source>Ток потребления</source>
        <translation>Input current</translation>
    </message>
    <message>
        <source>Амплитуда тока дросселя (транзистора)</source>
        <translation>Choke (transistor) peak current</translation>
    </message>
    <message>
        <source>Размах пульсации тока в дросселе</source>
        <translation>Choke ripple current, peak to peak</translation>
    </message>
    <message>
        <source>Коэф. заполнения импульса</source>
        <translation>Duty cycle</translation>
    </message>
    <message>
        <source>Действующий ток (RMS) в выходной емкости (макс.)</source>
        <translation>Output capacitor RMS current (max.)</translation>
    </message>
    <message>
        <source>Типовая схема корректора коэффициента мощности</source>
        <translation>Typical PFC circuit</translation>
    </message>
    <message>
        <source>A, мм</source>
        <translation>A, mm</translation>
    </message>
    <message>
        <source>B, мм</source>
        <translation>B, mm</translation>
    </message>
    <message>
        <source>C, мм</source>
        <translation>C, mm</translation>
    </message>
    <message>
        <source>D, мм</source>
        <translation>D, mm</translation>
    </message>
    <message>
        <source>H, мм</source>
        <translation>H, mm</translation>
    </message>
    <message>
        <source>h, мм</source>
        <translation>h, mm</translation>
    </message>
    <message>
        <source>I, мм</source>
        <translation>I, mm</translation>
    </message>
    <message>
        <source>Добавление в базу (ввод размеров)</source>
        <translation>Add to base (dimensions)</translation>
    </message>
    <message>
        <source>Добавление в базу (ввод данных)</source>
        <translation>Add to base (data)</translation>
    </message>
    <message>
        <source>Добавить сердечник в базу</source>
        <translation>Add core to base</translation>
    </message>
    <message>
        <source>Форма</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Материал:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Размеры сердечника:</source>
        <translation>Core dimensions:</translation>
    </message>
    <message>
        <source>Данные сердечника:</source>
        <translation>Core data:</translation>
    </message>
    <message>
        <source>Эффективная проницаемость</source>
        <translation>Effective permeability</translation>
    </message>
    <message>
        <source>Длина средней линии сердечника, le</source>
        <translation>Mean magnetic path length, le</translation>
    </message>
    <message>
        <source>Площадь сечения сердечника, Ae</source>
        <translation>Core cross-section, Ae</translation>
    </message>
    <message>
        <source>мм2</source>
        <translation>mm2</translation>
    </message>
    <message>
        <source>Площадь окна сердечника, An</source>
        <translation>Core window area, An</translation>
    </message>
    <message>
        <source>Объем сердечника, Ve</source>
        <translation>Core volume, Ve</translation>
    </message>
    <message>
        <source>см3</source>
        <translation>cm3</translation>
    </message>
    <message>
        <source>Flyback - Программа расчета трансформатора обратноходового преобразователя (Версия 7.1)</source>
        <translation>Flyback - Flyback transformer design (version 7.1)</translation>
    </message>
    <message>
        <source>Boostcoil - Расчет дросселя для корректора коэффициента мощности (Версия 2.0)</source>
        <translation>Boostcoil - Power factor corrector choke design (version 2.0)</translation>
    </message>
    <message>
        <source>(не более </source>
        <translation>(at most </translation>
    </message>
    <message>
        <source>мГн</source>
        <translation>mH</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Flyback - Программа расчета трансформатора обратноходового преобразователя</source>
        <translation>Flyback - Flyback transformer design</translation>
    </message>
    <message>
        <source>Версия 7.1</source>
        <translation>Version 7.1</translation>
    </message>
    <message>
        <source>Boostcoil - Расчет дросселя для корректора коэффициента мощности</source>
        <translation>Boostcoil - Power factor corrector choke design</translation>
    </message>
    <message>
        <source>Версия 2.0</source>
        <translation>Version 2.0</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Открыть файл...</source>
        <translation>Open file...</translation>
    </message>
    <message>
        <source>Открыть файл:</source>
        <translation>Open file:</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Имя файла для сохранения:</source>
        <translation>File name to save:</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>В папке с программой отсутствует файл ReadMe.txt</source>
        <translation>The file ReadMe.txt is missing from the program folder.</translation>
    </message>
    <message>
        <source>В папке с программой отсутствует файл "ReadMe.txt".
Помощь не загружена</source>
        <translation>The file "ReadMe.txt" is missing from the program folder.
The help is not loaded.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Расчет RCD клампера</source>
        <translation>RCD clamper design</translation>
    </message>
    <message>
        <source>Сопротивление резистора</source>
        <translation>Resistor</translation>
    </message>
    <message>
        <source>кОм</source>
        <translation>kOhm</translation>
    </message>
    <message>
        <source>Мощность на резисторе</source>
        <translation>Resistor power</translation>
    </message>
    <message>
        <source>"Медленный" диод</source>
        <translation>"Slow" diode</translation>
    </message>
    <message>
        <source>Параметры резистора с быстрым диодом:</source>
        <translation>Resistor with a fast diode:</translation>
    </message>
    <message>
        <source>Расчет индуктивности рассеяния и эквивалентной емкости стоковой цепи</source>
        <translation>Leakage inductance and equivalent drain capacitance</translation>
    </message>
    <message>
        <source>Индуктивность рассеяния</source>
        <translation>Leakage inductance</translation>
    </message>
    <message>
        <source>Эквивалентная емкость</source>
        <translation>Equivalent capacitance</translation>
    </message>
    <message>
        <source>пФ</source>
        <translation>pF</translation>
    </message>
    <message>
        <source>Автоперенос результатов в основной расчет</source>
        <translation>Transfer the results to the main design</translation>
    </message>
    <message>
        <source>Подбор сердечника</source>
        <translation>Core adviser</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Только работающие</source>
        <translation>Working only</translation>
    </message>
    <message>
        <source>Форма:</source>
        <translation>Shape:</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Подбор…</source>
        <translation>Adviser…</translation>
    </message>
    <message>
        <source>витков, провод</source>
        <translation>turns, wire</translation>
    </message>
    <message>
        <source>не более</source>
        <translation>at most</translation>
    </message>
    <message>
        <source>Т</source>
        <translation>T</translation>
    </message>
    <message>
        <source>мкс</source>
        <translation>µs</translation>
    </message>
    <message>
        <source>При добавлении сердечника в базу в поле комбинированного списка вводится назавание нового сердечника.
Нет необходимости самостоятельно приписывать к названию сердечника префикс его формы. Префикс формы сердечника дописываются программой автоматически.</source>
        <translation>To add a core to the base, type the name of the new core into the field of the list.
There is no need to add the shape prefix to the name yourself: the program adds it.</translation>
    </message>
    <message>
        <source>При выборе формы сердечника "Другая" данные взять из документации производителя.</source>
        <translation>For the shape "Other" take the data from the manufacturer's documentation.</translation>
    </message>
    <message>
        <source>Ввод размеров используется для сердечников простой геометрической формы, таких, как кольцо или Ш-образных.
 Хотя я сделал расчет данных сердечника по геометрическим размерам, результаты такого расчета получаются не точными, так как данные от производителей несколько отличаются от прямого расчета по геометрическим размерам.</source>
        <translation>Entering dimensions suits cores of a simple geometric shape, such as rings or E cores.
 The core data calculated from the dimensions are not exact: the manufacturers' data differ somewhat from a direct calculation from the dimensions.</translation>
    </message>
    <message>
        <source>Ввод данных применяется при сложной геометрической форме, когда невозможен расчет данных по геометрическим размерам.
В случае отсутствия в документации производителя площади окна бобины под намотку, рассчитать площадь окна самостоятельно.
Объем программа считает самостоятельно. Объем равен произведению площади сечения сердечника на длину средней магнитной линии.</source>
        <translation>Entering data suits cores of a complex shape whose data cannot be calculated from dimensions.
If the manufacturer does not give the winding window area of the bobbin, calculate it yourself.
The program calculates the volume itself: the core cross-section times the mean magnetic path length.</translation>
    </message>
    <message>
        <source>В это поле следует ввести сопротивление открытого канала Rds(on).</source>
        <translation>Enter the on-state channel resistance Rds(on) here.</translation>
    </message>
    <message>
        <source>В это поле следует ввести напряжение насыщения биполярных или IGBT транзисторов.
Для полевых транзисторов в этом поле выводится расчетная величина падения напряжения на транзисторе.</source>
        <translation>Enter the saturation voltage of bipolar transistors or IGBTs here.
For MOSFETs this field shows the calculated voltage drop across the transistor.</translation>
    </message>
    <message>
        <source>Этот переключатель используется для биполярных или IGBT транзисторов.</source>
        <translation>This switch is for bipolar transistors and IGBTs.</translation>
    </message>
    <message>
        <source>Этот переключатель используется для полевых транзисторов.</source>
        <translation>This switch is for MOSFETs.</translation>
    </message>
    <message>
        <source>Плотность тока зависит от условий охлаждения и от размеров сердечника.
При естественном охлаждении следует выбирать 4 - 6 А/мм2.
При вентиляции плотность тока можно выбрать больше, до 8 - 10 А/мм2.
Большие значения плотности тока соответствуют маленьким сердечникам.
При принудительном охлаждении допустимая плотность тока зависит от интенсивности охлаждения.</source>
        <translation>The current density depends on the cooling and on the size of the core.
With natural cooling choose 4 - 6 A/mm2.
With ventilation the current density may be higher, up to 8 - 10 A/mm2.
Higher current densities suit small cores.
With forced cooling the allowed current density depends on how strong the cooling is.</translation>
    </message>
    <message>
        <source>В эти поля вводится прямое падение напряжения на диодах, которое можно узнать из даташита.
Если диоды нагружены не на номинальный ток, то по графику в даташите можно оценить падение для заданного тока.</source>
        <translation>Enter the forward voltage drop of the diodes here, as given in the data sheet.
If a diode does not carry its rated current, estimate the drop at the given current from the graph in the data sheet.</translation>
    </message>
    <message>
        <source>Сюда вводится желаемое отраженное напряжение на первичной обмотке.
Отраженное напряжение - это напряжение, которое "отражается" из вторичной обмотки на обратном ходе, когда идет передача энергии в нагрузку.
Отраженное напряжение вычисляется по выходному напряжению через коэфициент трансформации, как для обычного трансформатора.</source>
        <translation>Enter the desired reflected voltage on the primary winding here.
The reflected voltage is the voltage "reflected" from the secondary winding during the flyback interval, while energy goes to the load.
It is the output voltage times the turns ratio, as for an ordinary transformer.</translation>
    </message>
    <message>
        <source>Сюда вводится максимальное допустимое напряжение на ключе, которое можно узнать из документации (даташита).</source>
        <translation>Enter the maximum allowed switch voltage here, as given in the documentation (data sheet).</translation>
    </message>
    <message>
        <source>Неразрывность тока означает, что при передаче энергии на обратном ходе передается не вся энергия, запасенная в сердечнике.
В индуктивности остается некоторая часть тока, и при открытии ключа в нем сразу начинает течь этот, оставшийся не израсходованным, ток.
0% соответствует разрывному току.
Величина неразрывности показывает, какая часть тока остается неизрасходованной.</source>
        <translation>Current continuity means that not all the energy stored in the core is passed on during the flyback interval.
Part of the current stays in the inductance, and when the switch opens this unspent current flows in it at once.
0% means discontinuous current.
The continuity tells which part of the current stays unspent.</translation>
    </message>
    <message>
        <source>Для использования желаемого диаметра провода поставьте здесь галочку.
Предлагаю сначала дать программе рассчитать диаметры проводов и число жил в обмотках, чтобы оптимально задать диаметры.</source>
        <translation>Tick here to use the preferred wire diameters.
Let the program choose the wire diameters and strands first, to set the diameters well.</translation>
    </message>
    <message>
        <source>Сердечники изготавливаются с готовыми зазорами.
Ряд готовых зазоров можно найти в документации производителя.
Зазор следует выбирать из стандартного ряда значений для этого сердечника.
При невозможности приобретения сердечника с требуемым готовым зазором допускается сделать зазор с помощью прокладок.</source>
        <translation>Cores are made with ready gaps.
The range of ready gaps is in the manufacturer's documentation.
Choose the gap from the standard range of this core.
If a core with the required gap cannot be had, the gap may be made with spacers.</translation>
    </message>
    <message>
        <source>Загрузка сохраненных исходных данных из файла с расширеним ".sav."</source>
        <translation>Loads input data saved in a file with the extension ".sav".</translation>
    </message>
    <message>
        <source>Сохранение исходных данных в файл с расширеним ".sav" для последующего использования.</source>
        <translation>Saves the input data to a file with the extension ".sav" for later use.</translation>
    </message>
    <message>
        <source>Выходное напряжение</source>
        <translation>Output voltage</translation>
    </message>
    <message>
        <source>Обратное напряжение на выходном диоде</source>
        <translation>Reverse voltage of the output diode</translation>
    </message>
    <message>
        <source>Действующий ток в выходном конденсаторе.
Конденсаторы следует выбирать по документации, исходя из допустимой величины пульсации тока (Ripple current).</source>
        <translation>RMS current in the output capacitor.
Choose capacitors from their documentation by the allowed ripple current.</translation>
    </message>
    <message>
        <source>Плотность тока зависит от условий охлаждения и от размеров сердечника.</source>
        <translation>The current density depends on the cooling and on the size of the core.</translation>
    </message>
    <message>
        <source>Сохранение исходных данных в файл с расширеним .sav во внутреннем формате данных для последующего использования.</source>
        <translation>Saves the input data to a file with the extension .sav in the program's own format for later use.</translation>
    </message>
    <message>
        <source>Загрузка сохраненных исходных данных из файла с расширеним .sav</source>
        <translation>Loads input data saved in a file with the extension .sav</translation>
    </message>
    <message>
        <source>Это полный немагнитный зазор. Он создается либо полностью в центральном стержне сердечника, либо делится пополам между крайними стержнями сердечника.</source>
        <translation>This is the total non-magnetic gap. It is made either all in the centre leg of the core or halved between the outer legs.</translation>
    </message>
    <message>
        <source>Проверка:</source>
        <translation>Checks:</translation>
    </message>
    <message>
        <source>Намотка и потери</source>
        <translation>Windings and losses</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Plots</translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Отчет…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Копировать результаты</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>Оценка по намотке</source>
        <translation>Estimate from the build-up</translation>
    </message>
    <message>
        <source>Взять</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Замечаний нет</source>
        <translation>No findings</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Обмотка</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Витков</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Провод, мм x жил</source>
        <translation>Wire, mm x strands</translation>
    </message>
    <message>
        <source>Витков в слое</source>
        <translation>Turns per layer</translation>
    </message>
    <message>
        <source>Слоев</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Высота, мм</source>
        <translation>Height, mm</translation>
    </message>
    <message>
        <source>Rdc, мОм</source>
        <translation>Rdc, mOhm</translation>
    </message>
    <message>
        <source>Rac/Rdc</source>
        <translation>Rac/Rdc</translation>
    </message>
    <message>
        <source>Ток RMS, А</source>
        <translation>RMS current, A</translation>
    </message>
    <message>
        <source>Потери, Вт</source>
        <translation>Loss, W</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Температура окружающей среды, °C</source>
        <translation>Ambient temperature, °C</translation>
    </message>
    <message>
        <source>последовательный</source>
        <translation>sequential</translation>
    </message>
    <message>
        <source>чередование</source>
        <translation>interleaved</translation>
    </message>
    <message>
        <source>Первичная обмотка, затем вторичные</source>
        <translation>Primary winding, then the secondaries</translation>
    </message>
    <message>
        <source>Вторичные обмотки между двумя половинами первичной</source>
        <translation>Secondaries between two halves of the primary</translation>
    </message>
    <message>
        <source>Порядок намотки</source>
        <translation>Winding order</translation>
    </message>
    <message>
        <source>слоев</source>
        <translation>layers</translation>
    </message>
    <message>
        <source>Изоляция между обмотками, мм</source>
        <translation>Insulation between windings, mm</translation>
    </message>
    <message>
        <source>Поля у краев каркаса, мм</source>
        <translation>Bobbin end margins, mm</translation>
    </message>
    <message>
        <source>Допустимый перегрев, К</source>
        <translation>Allowed temperature rise, K</translation>
    </message>
    <message>
        <source>Итоги</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Потери в сердечнике, Вт</source>
        <translation>Core loss, W</translation>
    </message>
    <message>
        <source>Потери в меди, Вт</source>
        <translation>Copper loss, W</translation>
    </message>
    <message>
        <source>Суммарные потери, Вт</source>
        <translation>Total loss, W</translation>
    </message>
    <message>
        <source>Перегрев, К</source>
        <translation>Temperature rise, K</translation>
    </message>
    <message>
        <source>Температура обмоток, °C</source>
        <translation>Winding temperature, °C</translation>
    </message>
    <message>
        <source>Высота намотки, мм</source>
        <translation>Winding height, mm</translation>
    </message>
    <message>
        <source>Индуктивность рассеяния, мкГн</source>
        <translation>Leakage inductance, µH</translation>
    </message>
    <message>
        <source>Окно намотки</source>
        <translation>Winding window</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Проверено %1 из %2</source>
        <translation>Checked %1 of %2</translation>
    </message>
    <message>
        <source>Подбор прерван: проверено %1, работают %2</source>
        <translation>Search stopped: %1 checked, %2 work</translation>
    </message>
    <message>
        <source>Проверено %1, работают %2</source>
        <translation>%1 checked, %2 work</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Работает</source>
        <translation>Works</translation>
    </message>
    <message>
        <source>В сердечнике, Вт</source>
        <translation>Core, W</translation>
    </message>
    <message>
        <source>В меди, Вт</source>
        <translation>Copper, W</translation>
    </message>
    <message>
        <source>Перегрев, K</source>
        <translation>Rise, K</translation>
    </message>
    <message>
        <source>Ve, см3</source>
        <translation>Ve, cm3</translation>
    </message>
    <message>
        <source>Масса, г</source>
        <translation>Mass, g</translation>
    </message>
    <message>
        <source>Зазор, мм</source>
        <translation>Gap, mm</translation>
    </message>
    <message>
        <source>Индукция, T</source>
        <translation>Flux density, T</translation>
    </message>
    <message>
        <source>Заполнение</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Причина</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Сохранить график…</source>
        <translation>Save plot…</translation>
    </message>
    <message>
        <source>Нет графика для сохранения.</source>
        <translation>No plot to save.</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save plot</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png);;Рисунок SVG (*.svg)</source>
        <translation>PNG picture (*.png);;SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Сохранить отчет</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf);;Страница HTML (*.html *.htm)</source>
        <translation>PDF document (*.pdf);;HTML page (*.html *.htm)</translation>
    </message>
    <message>
        <source>Неизвестный формат рисунка: укажите файл .png или .svg.</source>
        <translation>Unknown picture format: name a .png or .svg file.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>Первичная</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Вторичная</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>%1: %2 вит., слоев %3</source>
        <translation>%1: %2 turns, layers: %3</translation>
    </message>
    <message>
        <source>изоляция %1 мм x %2</source>
        <translation>insulation %1 mm x %2</translation>
    </message>
    <message>
        <source>поля %1 мм</source>
        <translation>margins %1 mm</translation>
    </message>
    <message>
        <source>Намотка %1 мм из %2 мм (%3 %)</source>
        <translation>Build %1 mm of %2 mm (%3 %)</translation>
    </message>
    <message>
        <source>: не помещается</source>
        <translation>: does not fit</translation>
    </message>
    <message>
        <source>Намотка не рассчитана.</source>
        <translation>The winding is not calculated.</translation>
    </message>
    <message>
        <source>%1 (допустимо %2)</source>
        <translation>%1 (allowed %2)</translation>
    </message>
    <message>
        <source>%1 при окружающей %2</source>
        <translation>%1 at an ambient of %2</translation>
    </message>
    <message>
        <source>%1 из %2 (%3 %), </source>
        <translation>%1 of %2 (%3 %), </translation>
    </message>
    <message>
        <source>помещается</source>
        <translation>fits</translation>
    </message>
    <message>
        <source>НЕ помещается</source>
        <translation>does NOT fit</translation>
    </message>
    <message>
        <source>%1 (оценка по намотке)</source>
        <translation>%1 (estimate from the winding)</translation>
    </message>
    <message>
        <source>. Параметры анализа применены, но не сохранены.</source>
        <translation>. The analysis parameters are applied but not saved.</translation>
    </message>
    <message>
        <source>Отраженное напряжение, берется из результатов расчета трансформатора.</source>
        <translation>The reflected voltage, taken from the transformer design's results.</translation>
    </message>
    <message>
        <source>Желаемое напряжение выброса над отраженным напряжением от энергии, запасенной в индуктивности рассеяния первичной обмотки.</source>
        <translation>The wanted overshoot above the reflected voltage from the energy stored in the primary's leakage inductance.</translation>
    </message>
    <message>
        <source>Амплитуда тока в первичной обмотке, берется из результатов расчета трансформатора.</source>
        <translation>The peak primary current, taken from the transformer design's results.</translation>
    </message>
    <message>
        <source>Индуктивность рассеяния первичной обмотки либо измеряем при закорачивании ВСЕХ вторичных обмоток, либо пользуемся предварительными расчетами по периодам свободных колебаний.</source>
        <translation>The primary's leakage inductance: measure it with ALL secondaries shorted, or use the preliminary calculation from the ringing periods.</translation>
    </message>
    <message>
        <source>Лучше сюда вводить реальную частоту преобразования, а не расчетную.</source>
        <translation>Better enter the real switching frequency here rather than the design one.</translation>
    </message>
    <message>
        <source>Эквивалентная емкость стоковой цепи, получается в результате предварительных расчетов.
Поскольку эта эквивалентная емкость стоковой цепи по переменному току включена параллельно емкости клампера, то она влияет на результат расчета.</source>
        <translation>The equivalent capacitance of the drain node, from the preliminary calculation.
As for AC it is in parallel with the clamper capacitor, it affects the result.</translation>
    </message>
    <message>
        <source>Остаток напряжения после окончания выброса, над отраженным напряжением.
Измеряется осциллографом в реальных условиях</source>
        <translation>The voltage left above the reflected voltage after the overshoot.
Measured with an oscilloscope in real conditions</translation>
    </message>
    <message>
        <source>Индуктивность первичной обмотки трансформатора, берется из результатов расчета трансформатора.</source>
        <translation>The transformer's primary inductance, taken from the transformer design's results.</translation>
    </message>
    <message>
        <source>Период свободных колебаний по индуктивности первичной обмотки после окончания передачи энергии.
Эти свободные колебания можно увидеть только при режиме разрывного тока.</source>
        <translation>The ringing period with the primary inductance after the energy transfer ends.
This ringing shows only in discontinuous mode.</translation>
    </message>
    <message>
        <source>Период свободных колебаний по индуктивности рассеяния первичной обмотки.
Этот период следует измерять на том участке, где уже нет клампинга этих колебаний.</source>
        <translation>The ringing period with the primary's leakage inductance.
Measure it where the clamper no longer clamps the ringing.</translation>
    </message>
    <message>
        <source>Прямой расчет емкости клампера по заданной амплитуде выброса.</source>
        <translation>Direct calculation: the clamper capacitor from the given overshoot.</translation>
    </message>
    <message>
        <source>Обратный расчет амплитуды выброса по заданной емкости клампера.</source>
        <translation>Reverse calculation: the overshoot from the given clamper capacitor.</translation>
    </message>
    <message>
        <source>Оценка по намотке трансформатора (окно «Намотка и потери»): энергия поля между обмотками. Начальное значение до измерения.</source>
        <translation>An estimate from the transformer's winding (window "Windings and losses"): the field energy between the windings. A starting value until measured.</translation>
    </message>
    <message>
        <source>Перенести оценку по намотке в индуктивность рассеяния расчета клампера и пересчитать.</source>
        <translation>Take the winding estimate as the clamper's leakage inductance and recalculate.</translation>
    </message>
    <message>
        <source>Индуктивность первичной обмотки должна быть не более</source>
        <translation>The primary inductance must be at most</translation>
    </message>
    <message>
        <source>При этих данных часть величин получается бесконечной или неопределенной (inf, nan).
Проверьте исходные данные, данные сердечника и материала.</source>
        <translation>With these data some values come out infinite or undefined (inf, nan).
Check the input data and the data of the core and the material.</translation>
    </message>
    <message>
        <source>Исходные данные не сохранены</source>
        <translation>The input data are not saved</translation>
    </message>
    <message>
        <source>Исходные данные не сохранены, программа продолжает работу</source>
        <translation>The input data are not saved; the program goes on</translation>
    </message>
    <message>
        <source>Сердечник не добавлен в базу</source>
        <translation>The core is not added to the base</translation>
    </message>
    <message>
        <source>Индуктивность сердечника, нГн/виток^2</source>
        <translation>Core inductance factor (AL), nH/turn^2</translation>
    </message>
    <message>
        <source>Заменить файл "%1"?</source>
        <translation>Replace the file "%1"?</translation>
    </message>
    <message>
        <source>Заменить файл %1 ?</source>
        <translation>Replace the file %1?</translation>
    </message>
    <message>
        <source>Контроллер</source>
        <translation>Controller</translation>
    </message>
</context>
</TS>
