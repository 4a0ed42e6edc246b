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
        <translation>Attention!</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>В папке с программой отсутствует файл ReadMe.txt</source>
        <translation>The program folder has no file ReadMe.txt</translation>
    </message>
    <message>
        <source>В папке с программой отсутствует файл "ReadMe.txt".
Помощь не загружена</source>
        <translation>The program folder has no file "ReadMe.txt".
The help is not loaded</translation>
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
</context>
</TS>
