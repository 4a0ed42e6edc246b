// The English of every message the programs and the command-line tools give: whole texts and
// templates with their values as "{1}", "{2}"… A line break stays where the Russian has it, so
// a first line cut from a message is the first line in either language.
#include "common/data/englishtemplates.h"

namespace fb {
namespace {

const std::vector<EnglishEntry> kMessages = {
    // The command-line tools' --help, laid out in the same columns.
    {"Расчет трансформатора обратноходового преобразователя по файлу расчета (.sav или Flyback.ini),\n"
     "как его выполняет окно программы flyback после загрузки файла.",
     "Designs a flyback converter's transformer from a design file (.sav or Flyback.ini),\n"
     "as the flyback window does after loading the file."},
    {"Расчет дросселя корректора коэффициента мощности по файлу расчета (.sav или Boostcoil.ini),\n"
     "как его выполняет окно программы Boostcoil после загрузки файла.",
     "Designs the choke of a power-factor corrector from a design file (.sav or Boostcoil.ini),\n"
     "as the Boostcoil window does after loading the file."},
    {"  --data-root DIR  папка данных (Wire.txt, Bases_Cores, Ferrites_Materials); по умолчанию\n"
     "                   папка над папкой программы\n",
     "  --data-root DIR  data folder (Wire.txt, Bases_Cores, Ferrites_Materials); by default\n"
     "                   the folder above the program's folder\n"},
    {"язык отчета и сообщений (по умолчанию ru); ключи JSON те же",
     "language of the report and messages (ru by default); JSON keys unchanged"},
    {"пороговое напряжение датчика тока, В (по умолчанию 1)", "current sense threshold, V (1 by default)"},
    {"записать отчет о расчете (.pdf или .html)", "write a design report (.pdf or .html)"},
    {"емкость конденсатора после выпрямителя для напряжений шины, мкФ (по умолчанию 0:\n"
     "                   рекомендуемая методикой)",
     "capacitor after the rectifier for the bus voltages, uF (0 by default:\n"
     "                   the one the method recommends)"},
    {"температура окружающей среды, °C (по умолчанию {1})", "ambient temperature, °C ({1} by default)"},
    {"толщина изоляционной ленты между обмотками, мм (по умолчанию {1})",
     "thickness of the insulating tape between windings, mm ({1} by default)"},
    {"число слоев ленты между обмотками (по умолчанию {1})", "layers of tape between windings ({1} by default)"},
    {"поле у каждого края каркаса, мм (по умолчанию {1})", "margin at each end of the bobbin, mm ({1} by default)"},
    {"допустимый перегрев, К (по умолчанию {1})", "allowed temperature rise, K ({1} by default)"},
    {"первичная обмотка в две половины вокруг вторичных (по умолчанию подряд)",
     "the primary in two halves around the secondaries (one after another by default)"},
    {"принимается, как у flyback-calc; у дросселя одна обмотка",
     "accepted as by flyback-calc; a choke has one winding"},
    {"подбор сердечника: расчет требований файла с каждым сердечником и каждым\n"
     "                   материалом (в режиме зазора) и их ранжирование",
     "core adviser: the file's requirements designed with every core and every\n"
     "                   material (in gap mode), and the results ranked"},
    {"при --sweep: только N первых вариантов", "with --sweep: only the first N candidates"},
    {"при --sweep: порядок по loss (полные потери, по умолчанию), temperature\n"
     "                   (перегрев), volume (объем сердечника) или mass (масса)",
     "with --sweep: order by loss (total loss, the default), temperature\n"
     "                   (temperature rise), volume (core volume) or mass"},
    {"при --sweep: только варианты без ошибок проверки", "with --sweep: only candidates without a check error"},
    {"  --json           результаты в JSON вместо отчета\n"
     "  --strict         код 4, если расчет дал хотя бы одно предупреждение или проверка нашла\n"
     "                   ошибку\n"
     "  -h, --help       эта справка\n\n"
     "Коды завершения: 0 расчет выполнен, 1 внутренняя ошибка, 2 запуск невозможен (параметры,\n"
     "файлы данных, файл расчета, вывод), 3 сердечника нет в списке его формы, 4 предупреждения\n"
     "или ошибка проверки при --strict.\n",
     "  --json           results as JSON instead of the report\n"
     "  --strict         exit code 4 when the design gave at least one warning or a check found\n"
     "                   an error\n"
     "  -h, --help       this help\n\n"
     "Exit codes: 0 calculated, 1 internal error, 2 cannot start (options, data files,\n"
     "design file, output), 3 core not in the list of its shape, 4 warnings or a check\n"
     "error with --strict.\n"},
    {"Внимание!", "Warning!"},
    // The design's guards and the method's own warnings.
    {"Индуктивность первичной обмотки должна быть не более {1} {2}", "The primary inductance must be at most {1} {2}"},
    {"Данные материала \"{1}\" неполны: нужны проницаемость mu и таблица потерь не менее чем с двумя частотами и "
     "двумя значениями индукции.\nВыберите другой материал или исправьте файл материала.",
     "The data of the material \"{1}\" are incomplete: the permeability mu and a loss table with at least two "
     "frequencies and two flux densities are needed.\nChoose another material or correct the material file."},
    {"Таблица стандартных проводов пуста.\nДобавьте диаметры проводов (d1, diz1, ...) в файл Wire.txt.",
     "The table of standard wires is empty.\nAdd wire diameters (d1, diz1, ...) to the file Wire.txt."},
    {"Данные сердечника \"{1}\" неполны: площадь сечения Ae, длина средней линии le, площадь окна An и эффективная "
     "проницаемость должны быть больше 0.\nВыберите другой сердечник или исправьте его данные.",
     "The data of the core \"{1}\" are incomplete: the cross-section Ae, the mean path length le, the window area "
     "An and the effective permeability must be above 0.\nChoose another core or correct its data."},
    {"Частота преобразования должна быть больше 0.\nИсправьте поле \"{1}\".",
     "The switching frequency must be above 0.\nCorrect the field \"{1}\"."},
    {"Напряжения питания (мин., ном., макс.) должны быть больше 0.\nИсправьте поле \"{1}\".",
     "The supply voltages (min., nom., max.) must be above 0.\nCorrect the field \"{1}\"."},
    {"Неразрывность тока должна быть не меньше 0 и меньше 100 %.\nИсправьте поле \"{1}\".",
     "The current continuity must be at least 0 and below 100 %.\nCorrect the field \"{1}\"."},
    {"Плотность тока должна быть больше 0.\nИсправьте поле \"{1}\".",
     "The current density must be above 0.\nCorrect the field \"{1}\"."},
    {"Отраженное напряжение должно быть больше 0.\nИсправьте поле \"{1}\".",
     "The reflected voltage must be above 0.\nCorrect the field \"{1}\"."},
    {"Число в поле \"{1}\" слишком велико.\nВведите обычное число.",
     "The number in the field \"{1}\" is too large.\nEnter an ordinary number."},
    {"Сумма напряжения первой вторичной обмотки и падения на ее диоде должна быть больше 0.\nЗаполните строку 1 "
     "вторичных обмоток.",
     "The voltage of the first secondary winding plus the drop of its diode must be above 0.\nFill in row 1 of the "
     "secondary windings."},
    {"Индуктивность сердечника (AL) должна быть больше 0.\nИсправьте величину AL.",
     "The core inductance factor (AL) must be above 0.\nCorrect the AL."},
    {"Выходная мощность получилась слишком большой.\nПроверьте напряжения и токи вторичных обмоток.",
     "The output power came out too large.\nCheck the voltages and currents of the secondary windings."},
    {"Выходная мощность получилась не больше 0.\nЗаполните напряжение и ток хотя бы одной вторичной обмотки.",
     "The output power came out 0 or less.\nFill in the voltage and current of at least one secondary winding."},
    {"Допустимая амплитуда индукции получилась не больше 0.\nПроверьте Bmax, Bmmax и таблицу потерь материала "
     "\"{1}\".",
     "The allowed peak flux density came out 0 or less.\nCheck Bmax, Bmmax and the loss table of the material "
     "\"{1}\"."},
    {"Отраженное напряжение получилось не больше 0.\nУвеличьте поле \"{1}\": оно должно быть больше максимального "
     "напряжения питания.",
     "The reflected voltage came out 0 or less.\nRaise the field \"{1}\": it must be above the maximum supply "
     "voltage."},
    {"Подбор величины AL не закончился за 1000 проходов.\nЗадайте меньшую величину AL.",
     "The AL did not settle in 1000 passes.\nEnter a smaller AL."},
    {"Подбор зазора не закончился за 1000 проходов.\nЗадайте больший зазор.",
     "The gap did not settle in 1000 passes.\nEnter a larger gap."},
    {"Заданная индуктивность сердечника оказалась велика.\nИндуктивность сердечника была уменьшена до {1} "
     "нГн/виток2",
     "The core inductance factor entered was too large.\nThe core inductance factor was lowered to {1} nH/turn2"},
    {"Заданная величина зазор оказалась недостаточной.\nЗазор был увеличен до {1} мм",
     "The gap entered was too small.\nThe gap was enlarged to {1} mm"},
    {"Амплитуда индукции получилась больше допустимой.\nВыберите большее значение зазора или выберите сердечник "
     "большего размера.",
     "The peak flux density came out above the allowed one.\nChoose a larger gap or a larger core."},
    {"Коэффициент заполнения окна больше 0,3.\nПросчитайте размещаемость обмотки или выберите сердечник большего "
     "размера.",
     "The window fill factor is above 0.3.\nWork out whether the winding fits or choose a larger core."},
    {"Индуктивность сердечника (AL) получилась не больше 0.\nПроверьте величину зазора или AL и данные сердечника.",
     "The core inductance factor (AL) came out 0 or less.\nCheck the gap or the AL and the core's data."},
    {"Число витков получилось слишком большим.\nПроверьте отраженное напряжение, данные сердечника и величину "
     "зазора или AL.",
     "The number of turns came out too large.\nCheck the reflected voltage, the core's data and the gap or the AL."},
    {"Не удалось подобрать числа витков под заданное отраженное напряжение.\nПроверьте поле \"{1}\" и напряжения "
     "вторичных обмоток.",
     "No turns could be found for the reflected voltage entered.\nCheck the field \"{1}\" and the voltages of the "
     "secondary windings."},
    {"Число витков первичной обмотки получилось равным 0.\nУвеличьте отраженное напряжение.",
     "The primary turns came out 0.\nRaise the reflected voltage."},
    {"Расчет невозможен: требуемый зазор или AL получился бесконечным или неопределенным.\nПроверьте исходные "
     "данные, данные сердечника и материала.",
     "The design is impossible: the required gap or AL came out infinite or undefined.\nCheck the input data and "
     "the data of the core and the material."},
    {"Расчет невозможен: при этих данных получаются бесконечные или неопределенные величины.\nПроверьте исходные "
     "данные, данные сердечника и материала.",
     "The design is impossible: these data give infinite or undefined values.\nCheck the input data and the data "
     "of the core and the material."},
    {"При этих данных часть величин получается бесконечной или неопределенной (inf, nan).\nПроверьте исходные "
     "данные, данные сердечника и материала.",
     "With these data some values come out infinite or undefined (inf, nan).\nCheck the input data and the data of "
     "the core and the material."},
    {"Требуемый немагнитный зазор {1} мм не меньше трети длины средней линии сердечника ({2} мм): модель зазора к "
     "нему неприменима, расчет не выполнен, зазор не изменен.\nПроверьте мощность, напряжения и частоту или "
     "выберите сердечник большего размера.",
     "The required non-magnetic gap of {1} mm is at least a third of the core's mean path length ({2} mm): the gap "
     "model does not apply to it, the design is not done and the gap is not changed.\nCheck the power, the voltages "
     "and the frequency or choose a larger core."},
    {"Требуемая величина AL получилась {1} нГн/виток^2: сердечника с такой AL нет, расчет не выполнен, величина AL "
     "не изменена.\nПроверьте мощность и напряжения.",
     "The required AL came out {1} nH/turn^2: no core has such an AL, the design is not done and the AL is not "
     "changed.\nCheck the power and the voltages."},
    {"В файле \"Wire.txt\" нет ни одного диаметра провода: провод не подобран.",
     "The file \"Wire.txt\" holds no wire diameter: no wire is chosen."},
    {"Материал \"{1}\" не содержит таблицы потерь (нужны не менее двух частот и двух значений индукции). Расчет не "
     "выполнен.",
     "The material \"{1}\" has no loss table (at least two frequencies and two flux densities are needed). The "
     "design is not done."},
    {"Величина AL не подобрана за {1} проходов расчета. Показаны результаты последнего прохода.",
     "The AL did not settle in {1} passes. The results of the last pass are shown."},
    {"Немагнитный зазор не подобрана за {1} проходов расчета. Показаны результаты последнего прохода.",
     "The non-magnetic gap did not settle in {1} passes. The results of the last pass are shown."},
    {"Указанный желаемый диаметр {1} мм заменен на ближайший стандартный диаметр {2} мм",
     "The preferred diameter of {1} mm is replaced by the nearest standard diameter of {2} mm"},
    // Files, folders and the start.
    {"В папке {1} отсутствует файл \"Wire.txt\".\nДо свидания!", "The folder {1} has no file \"Wire.txt\".\nGoodbye!"},
    {"В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"",
     "The folder \"Bases_Cores\" has no file \"FerritesCores.txt\""},
    {"В папке \"Bases_Cores\" нет ни одного сердечника.", "The folder \"Bases_Cores\" holds no core."},
    {"В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.",
     "The folder \"Ferrites_Materials\" has none of the material files."},
    {"В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.\nДо свидания!",
     "The folder \"Ferrites_Materials\" has none of the material files.\nGoodbye!"},
    {"Не удалось прочитать файл настроек \"{1}\".\nПрограмма работает с исходными данными и не будет записывать "
     "этот файл.",
     "The settings file \"{1}\" could not be read.\nThe program works with default data and will not write this "
     "file."},
    {"Не удалось прочитать файл материала \"{1}\".", "The material file \"{1}\" could not be read."},
    {"Сердечник \"{1}\" отсутствует в списке формы \"{2}\"",
     "The core \"{1}\" is not in the list of the shape \"{2}\""},
    {"Сердечник \"{1}\" отсутствует в списке сердечников своей формы.",
     "The core \"{1}\" is not in the list of cores of its shape."},
    {"Не удалось прочитать каталог сердечников \"{1}\": {2}.", "The core catalogue \"{1}\" could not be read: {2}."},
    {"Не удалось прочитать файл сердечников пользователя \"{1}\": {2}; сердечники пользователя не загружены.",
     "The user's core file \"{1}\" could not be read: {2}; the user's cores are not loaded."},
    {"Не удалось прочитать файл \"{1}\"", "The file \"{1}\" could not be read"},
    {"Не удалось прочитать файл \"{1}\".", "The file \"{1}\" could not be read."},
    {"Не удалось записать файл \"{1}\": {2}", "The file \"{1}\" could not be written: {2}"},
    {"Не удалось записать файл \"{1}\": папку \"{2}\" не удалось заблокировать от одновременной записи другой "
     "программой ({3})",
     "The file \"{1}\" could not be written: the folder \"{2}\" could not be locked against another program "
     "writing at the same time ({3})"},
    {"Сердечник записан в файл \"{1}\", но прочитать этот файл заново не удалось",
     "The core is written to the file \"{1}\", but the file could not be read again"},
    {"символ \"{1}\" нельзя сохранить в кодировке Windows-1251",
     "the character \"{1}\" cannot be saved in the Windows-1251 encoding"},
    {"нет прав на запись в папку или файл", "no permission to write to the folder or the file"},
    {"папка находится на носителе только для чтения", "the folder is on a read-only medium"},
    {"на диске нет свободного места", "the disk is full"},
    {"превышен допустимый размер файла", "the file size limit is exceeded"},
    {"папка не существует", "the folder does not exist"},
    {"часть пути не является папкой", "a part of the path is not a folder"},
    {"под этим именем уже есть папка", "a folder of this name exists"},
    {"открыто слишком много файлов", "too many files are open"},
    {"ошибка ввода-вывода", "input/output error"},
    {"нет прав на чтение папки", "no permission to read the folder"},
    {"файла нет", "the file does not exist"},
    {"нет прав на чтение", "no permission to read"},
    {"это не обычный файл (папка, канал или устройство)", "it is not a regular file (a folder, a pipe or a device)"},
    {"{1}.\nИсходные данные не сохранены.", "{1}.\nThe input data are not saved."},
    {"{1}.\nИсходные данные не сохранены, программа продолжает работу.",
     "{1}.\nThe input data are not saved; the program goes on."},
    {"{1}.\nСердечник не добавлен в базу.", "{1}.\nThe core is not added to the base."},
    // The save dialogs' question, a window template with Qt's "%1".
    {"Заменить файл \"%1\"?", "Replace the file \"%1\"?"},
    {"Заменить файл %1 ?", "Replace the file \"%1\"?"},  // quoted: the seam keeps a quoted name as it is
    {"Имя файла не может содержать символы \"/\" и \"\\\": файл сохраняется только в папку программы.",
     "A file name cannot hold the characters \"/\" and \"\\\": the file is saved only in the program's folder."},
    {"Имя файла не может начинаться с точки: такой файл скрыт и не будет показан в списке.",
     "A file name cannot begin with a dot: such a file is hidden and would not be listed."},
    {"строка {1} \"{2}\" не принята, оставлено {3}", "line {1} \"{2}\" is not taken, {3} is kept"},
    {"{1}: файл не прочитан, параметры анализа по умолчанию", "{1}: the file is not read, the analysis uses defaults"},
    // Adding a core.
    {"Сердечник с таким названием будет показан в списке формы \"{1}\", а не \"{2}\": выберите эту форму или "
     "измените название.",
     "A core of this name would be listed under the shape \"{1}\", not \"{2}\": choose that shape or change the "
     "name."},
    {"Сердечник с названием, которое начинается с \"E\" или с \"R\" (кроме \"RM\"), не будет показан в списке формы "
     "\"Другая\": измените название.",
     "A core whose name begins with \"E\" or \"R\" (other than \"RM\") would not be listed under the shape "
     "\"Other\": change the name."},
    {"Сердечник с таким названием не будет показан в списке формы \"{1}\": измените название.",
     "A core of this name would not be listed under the shape \"{1}\": change the name."},
    {"Вы забыли перед добавлением ввести название сердечника.", "Enter the core's name before adding it."},
    {"Название сердечника не может содержать символы \"[\", \"]\" и \"=\".",
     "A core name cannot hold the characters \"[\", \"]\" and \"=\"."},
    {"Название сердечника не может содержать управляющие символы.", "A core name cannot hold control characters."},
    {"Название сердечника содержит символы, которые нельзя сохранить в базе сердечников.",
     "The core name holds characters that cannot be saved in the core base."},
    {"Вы забыли перед добавлением ввести магнитную проницаемость.", "Enter the permeability before adding the core."},
    {"Вы забыли перед добавлением ввести все размеры.", "Enter every dimension before adding the core."},
    {"Вы забыли перед добавлением ввести все данные.", "Enter all the data before adding the core."},
    {"Данные сердечника не могут содержать символы \"[\", \"]\" и управляющие символы.",
     "The core's data cannot hold the characters \"[\", \"]\" or control characters."},
    // The command-line tools and the adviser.
    {"Файл \"{1}\" не является файлом расчета: в нем нет раздела [INI_DATA].",
     "The file \"{1}\" is not a design file: it has no section [INI_DATA]."},
    {"Файл \"{1}\" длиннее, чем читает программа: прочитаны первые {2} байт из {3}, остальное не учтено.",
     "The file \"{1}\" is longer than the program reads: the first {2} bytes of {3} are read, the rest is ignored."},
    {"В файле \"{1}\" есть нулевой байт: все, что после него, не прочитано.",
     "The file \"{1}\" holds a zero byte: nothing after it is read."},
    {"Файл \"{1}\" не похож на текст в кодировке Windows-1251: в нем есть управляющие символы.",
     "The file \"{1}\" does not look like Windows-1251 text: it holds control characters."},
    {"Файл \"{1}\" записан, по-видимому, в кодировке UTF-8, а не Windows-1251: русские буквы прочитаны неверно.",
     "The file \"{1}\" seems to be written in UTF-8, not Windows-1251: its Russian letters are read wrongly."},
    {"В файле расчета не указан сердечник: расчет выполнен для первого сердечника списка формы \"{1}\" — \"{2}\".",
     "The design file names no core: the design is done for the first core of the shape \"{1}\", \"{2}\"."},
    {"Материала \"{1}\" нет в папке \"Ferrites_Materials\": расчет выполнен с первым материалом списка — \"{2}\".",
     "The material \"{1}\" is not in the folder \"Ferrites_Materials\": the design is done with the first material "
     "of the list, \"{2}\"."},
    {"Расчет RCD клампера ({1}): {2}; проверьте его исходные данные.",
     "RCD clamper design ({1}): {2}; check its input data."},
    {"при этих данных величина получается бесконечной или неопределенной (inf, nan)",
     "with these data the value comes out infinite or undefined (inf, nan)"},
    {"после {1} нужно значение", "{1} needs a value"},
    {"неизвестный язык {1} (en или ru)", "unknown language {1} (en or ru)"},
    {"неизвестный параметр {1}", "unknown option {1}"},
    {"указано больше одного файла", "more than one file given"},
    {"не указан файл расчета", "no design file given"},
    {"после --top нужно целое число больше 0, а не \"{1}\"", "--top needs a whole number above 0, not \"{1}\""},
    {"после --sort нужно loss, temperature, volume или mass, а не \"{1}\"",
     "--sort needs loss, temperature, volume or mass, not \"{1}\""},
    {"--top, --sort и --works-only действуют только вместе с --sweep",
     "--top, --sort and --works-only work only with --sweep"},
    {"после {1} нужно число, а не \"{2}\"", "{1} needs a number, not \"{2}\""},
    {"после {1} нужно целое число, а не \"{2}\"", "{1} needs a whole number, not \"{2}\""},
    {"не удалось вывести результат", "the result could not be written"},
    {"использование:", "usage:"},
    {"емкость после --capacitance должна быть не меньше 0 мкФ (0: по методике)",
     "the capacitance after --capacitance must be at least 0 µF (0: as the method gives)"},
    {"Внутренняя ошибка расчета", "Internal design error"},
    {"Внутренняя ошибка расчета: {1}", "Internal design error: {1}"},
    // The report's files.
    {"Неизвестный формат отчета: укажите файл .pdf или .html.", "Unknown report format: give a .pdf or .html file."},
    {"Отчет с графиками строится только в программе с QApplication.",
     "A report with plots can be built only in a program with a QApplication."},
    {"Не удалось создать файл {1}: {2}", "The file {1} could not be created: {2}"},
    {"Не удалось записать файл {1}: {2}", "The file {1} could not be written: {2}"},
    {"Отчет недоступен: программа собрана без Qt.", "No report: the program is built without Qt."},
    {"Печать отчета", "Print the report"},
};

}  // namespace

const std::vector<EnglishEntry>& EnglishMessages() { return kMessages; }

}  // namespace fb
