<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>qor::AtomicFile</name>
    <message>
        <source>Не удаётся создать файл в папке «%1»: %2</source>
        <translation>Cannot create a file in the folder “%1”: %2</translation>
    </message>
    <message>
        <source>Не удаётся записать «%1»: %2</source>
        <translation>Cannot write “%1”: %2</translation>
    </message>
    <message>
        <source>Не удаётся заменить «%1» новым файлом: %2</source>
        <translation>Cannot replace “%1” with the new file: %2</translation>
    </message>
</context>
<context>
    <name>qor::CommandLine</name>
    <message>
        <source>показать эту справку и выйти</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>показать версию программы и выйти</source>
        <translation>show the program version and exit</translation>
    </message>
    <message>
        <source>язык программы на этот запуск: ru (русский) или en (английский); без него — выбранный в меню</source>
        <translation>language for this run: ru (Russian) or en (English); without it, the one chosen in the menu</translation>
    </message>
    <message>
        <source>Использование: qor [параметры] [файл.qor]</source>
        <translation>Usage: qor [options] [file.qor]</translation>
    </message>
    <message>
        <source>QOR — учебная программа для проектирования плоских пятизвенных механизмов.</source>
        <translation>QOR: a teaching program for designing planar five-bar linkages.</translation>
    </message>
    <message>
        <source>Параметры:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Аргументы:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>файл.qor</source>
        <translation>file.qor</translation>
    </message>
    <message>
        <source>конструкция, которая откроется при запуске</source>
        <translation>a construction to open at start-up</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option “%1”</translation>
    </message>
    <message>
        <source>можно открыть только один файл, а указано %1</source>
        <translation>only one file can be opened, but %1 were given</translation>
    </message>
    <message>
        <source>неизвестный язык «%1»: можно ru или en</source>
        <translation>unknown language “%1”: use ru or en</translation>
    </message>
</context>
<context>
    <name>qor::CycleText</name>
    <message>
        <source>Графики цикла…</source>
        <translation>Cycle Plots…</translation>
    </message>
    <message>
        <source>Цикл механизма</source>
        <translation>Mechanism Cycle</translation>
    </message>
    <message>
        <source>Механизм %1</source>
        <translation>Mechanism %1</translation>
    </message>
    <message>
        <source>Ни одно звено механизма не вращается.

Отметьте под «Вращать звено :» звено 1 или 4 и выберите «+» или «-»: здесь появятся графики цикла, его таблица и показатели.</source>
        <translation>No link of this mechanism is driven.

Under “Rotate link:” tick link 1 or 4 and choose “+” or “-”: the cycle’s plots, its table and its figures will appear here.</translation>
    </message>
    <message>
        <source>Углы</source>
        <translation>Angles</translation>
    </message>
    <message>
        <source>Точка B</source>
        <translation>Point B</translation>
    </message>
    <message>
        <source>Угол передачи</source>
        <translation>Transmission Angle</translation>
    </message>
    <message>
        <source>градусы</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>см</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>шаг</source>
        <translation>step</translation>
    </message>
    <message>
        <source>Fi, градусы</source>
        <translation>Fi, degrees</translation>
    </message>
    <message>
        <source>Gamma, градусы</source>
        <translation>Gamma, degrees</translation>
    </message>
    <message>
        <source>Fi</source>
        <translation>Fi</translation>
    </message>
    <message>
        <source>Psi</source>
        <translation>Psi</translation>
    </message>
    <message>
        <source>Ksi</source>
        <translation>Ksi</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>xB</source>
        <translation>xB</translation>
    </message>
    <message>
        <source>yB</source>
        <translation>yB</translation>
    </message>
    <message>
        <source>zB</source>
        <translation>zB</translation>
    </message>
    <message>
        <source>угол передачи</source>
        <translation>transmission angle</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source> см</source>
        <translation> cm</translation>
    </message>
    <message>
        <source>40°–140°</source>
        <translation>40°–140°</translation>
    </message>
    <message>
        <source>мин.</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>макс.</source>
        <translation>max.</translation>
    </message>
    <message>
        <source>Показатели</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>Запас замыкания:</source>
        <translation>Closing margin:</translation>
    </message>
    <message>
        <source>Угол передачи:</source>
        <translation>Transmission angle:</translation>
    </message>
    <message>
        <source>Область точки B:</source>
        <translation>Range of point B:</translation>
    </message>
    <message>
        <source>Длина цикла, шагов:</source>
        <translation>Cycle length, steps:</translation>
    </message>
    <message>
        <source>%1 см</source>
        <translation>%1 cm</translation>
    </message>
    <message>
        <source>от %1° (шаг %2)
до %3° (шаг %4)</source>
        <translation>from %1° (step %2)
to %3° (step %4)</translation>
    </message>
    <message>
        <source>%1: от %2 до %3 см</source>
        <translation>%1: from %2 to %3 cm</translation>
    </message>
    <message>
        <source>%1, повтор с шага %2</source>
        <translation>%1, repeating from step %2</translation>
    </message>
    <message>
        <source>%1 — не замкнулся</source>
        <translation>%1, did not close</translation>
    </message>
    <message>
        <source>шаг %1</source>
        <translation>step %1</translation>
    </message>
    <message>
        <source>%1 = %2%3</source>
        <translation>%1 = %2%3</translation>
    </message>
    <message>
        <source>Fi, °</source>
        <translation>Fi, °</translation>
    </message>
    <message>
        <source>Psi, °</source>
        <translation>Psi, °</translation>
    </message>
    <message>
        <source>Ksi, °</source>
        <translation>Ksi, °</translation>
    </message>
    <message>
        <source>Gamma, °</source>
        <translation>Gamma, °</translation>
    </message>
    <message>
        <source>xB, см</source>
        <translation>xB, cm</translation>
    </message>
    <message>
        <source>yB, см</source>
        <translation>yB, cm</translation>
    </message>
    <message>
        <source>zB, см</source>
        <translation>zB, cm</translation>
    </message>
    <message>
        <source>угол передачи, °</source>
        <translation>transmission angle, °</translation>
    </message>
    <message>
        <source>Сохранить таблицу…</source>
        <translation>Save Table…</translation>
    </message>
    <message>
        <source>Сохранить график…</source>
        <translation>Save Plot…</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save Table</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save Plot</translation>
    </message>
    <message>
        <source>цикл_механизма_%1.csv</source>
        <translation>mechanism_%1_cycle.csv</translation>
    </message>
    <message>
        <source>цикл_механизма_%1.png</source>
        <translation>mechanism_%1_cycle.png</translation>
    </message>
    <message>
        <source>Таблица CSV: поля через «,», десятичная точка (*.csv)</source>
        <translation>CSV table: fields separated by “,”, decimal point (*.csv)</translation>
    </message>
    <message>
        <source>Таблица CSV для электронных таблиц: поля через «;», десятичная запятая (*.csv)</source>
        <translation>CSV table for spreadsheets: fields separated by “;”, decimal comma (*.csv)</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Ошибка !</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>qor::D3dUtil</name>
    <message>
        <source>%1 (%2): %3
%4
Вы согласны отменить выполнение ?</source>
        <translation>%1 (%2): %3
%4
Do you want to stop the program?</translation>
    </message>
    <message>
        <source>Неудачный результат HRESULT</source>
        <translation>Failed HRESULT</translation>
    </message>
</context>
<context>
    <name>qor::DesignFiles</name>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>файл не читается: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>Не удаётся открыть «%1»: %2</source>
        <translation>Cannot open “%1”: %2</translation>
    </message>
</context>
<context>
    <name>qor::DesignMessage</name>
    <message>
        <source>файл больше 1 МБ: это не файл конструкции</source>
        <translation>the file is larger than 1 MB: it is not a construction file</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>двоичные данные: это не текстовый файл</source>
        <translation>binary data: this is not a text file</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8</source>
        <translation>the text is not in UTF-8</translation>
    </message>
    <message>
        <source>%1 — не заголовок раздела и не ключ=значение</source>
        <translation>%1 is neither a section heading nor key=value</translation>
    </message>
    <message>
        <source>раздел [%1] повторяется</source>
        <translation>section [%1] appears twice</translation>
    </message>
    <message>
        <source>ключ %1 повторяется в разделе [%2]</source>
        <translation>key %1 appears twice in section [%2]</translation>
    </message>
    <message>
        <source>%1 — не число</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 — не конечное число</source>
        <translation>%1 is not a finite number</translation>
    </message>
    <message>
        <source>%1 — длина звена %2 должна быть целым числом</source>
        <translation>%1: the length of link %2 must be a whole number</translation>
    </message>
    <message>
        <source>%1 — длина звена %2 слишком велика</source>
        <translation>%1: the length of link %2 is too large</translation>
    </message>
    <message>
        <source>%1 — %2 может быть только +, - или off</source>
        <translation>%1: %2 can only be +, - or off</translation>
    </message>
    <message>
        <source>%1 — не номер формата</source>
        <translation>%1 is not a format number</translation>
    </message>
    <message>
        <source>нет раздела [%1]</source>
        <translation>section [%1] is missing</translation>
    </message>
    <message>
        <source>в разделе [%1] нет ключа %2</source>
        <translation>section [%1] has no key %2</translation>
    </message>
    <message>
        <source>механизм 1 не замыкается при всех положениях: нужно L2+L3 &gt;= L1 + L4 + sqrt(a*a + b*b)</source>
        <translation>mechanism 1 does not close in every position: it needs L2+L3 &gt;= L1 + L4 + sqrt(a*a + b*b)</translation>
    </message>
    <message>
        <source>механизм 2 не замыкается при всех положениях: нужно L2+L3 &gt;= L1 + L4 + sqrt(a*a + b*b)</source>
        <translation>mechanism 2 does not close in every position: it needs L2+L3 &gt;= L1 + L4 + sqrt(a*a + b*b)</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>qor::LoadModel</name>
    <message>
        <source>Ошибка !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Не могу загрузить файлы конструкции.
</source>
        <translation>Cannot load the construction’s model files.
</translation>
    </message>
    <message>
        <source>Ошибка при создании конструкции.
</source>
        <translation>The construction could not be built.
</translation>
    </message>
</context>
<context>
    <name>qor::MessageBox</name>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don’t Save</translation>
    </message>
</context>
<context>
    <name>qor::ResultCodeNames</name>
    <message>
        <source>Ошибок нет</source>
        <translation>No error</translation>
    </message>
    <message>
        <source> строка результата HRESULT не найдена</source>
        <translation> no text found for this HRESULT</translation>
    </message>
</context>
<context>
    <name>qor::TAboutForm</name>
    <message>
        <source>О программе</source>
        <translation>About QOR</translation>
    </message>
    <message>
        <source>Версия 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qor::TConstructionParamForm</name>
    <message>
        <source>Для того, чтобы механизм при запуске не развалился при</source>
        <translation>So that the mechanism does not come apart</translation>
    </message>
    <message>
        <source>первом же шаге выбирайте следующие длины звеньев :</source>
        <translation>at its very first step, choose link lengths such that:</translation>
    </message>
    <message>
        <source>Длины L1 и L4 могут быть любыми (в разумных пределах).</source>
        <translation>L1 and L4 may be any length (within reason).</translation>
    </message>
    <message>
        <source>Длины L2 и L3 должны быть одинаковыми !</source>
        <translation>L2 and L3 must be equal!</translation>
    </message>
    <message>
        <source>Параметры механизмов</source>
        <translation>Mechanism Parameters</translation>
    </message>
    <message>
        <source> Механизм 1(горизонтальный) : </source>
        <translation> Mechanism 1 (horizontal): </translation>
    </message>
    <message>
        <source> Механизм 2(вертикальный) : </source>
        <translation> Mechanism 2 (vertical): </translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Длина звена (см) :</source>
        <translation>Link length (cm):</translation>
    </message>
    <message>
        <source>Угловая скорость (градусы) :</source>
        <translation>Angular velocity (degrees):</translation>
    </message>
    <message>
        <source>звена 1 :</source>
        <translation>link 1:</translation>
    </message>
    <message>
        <source>звена 4 :</source>
        <translation>link 4:</translation>
    </message>
    <message>
        <source>Начальный угол (градусы) :</source>
        <translation>Initial angle (degrees):</translation>
    </message>
    <message>
        <source>Внимание !</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Пожалуйста, выберите другие длины звеньев и расстояния a и b !
На основе выбраных создать механизм %1 не получается!</source>
        <translation>Please choose other link lengths and distances a and b.
Mechanism %1 cannot be built from the values chosen.</translation>
    </message>
    <message>
        <source>Ошибка !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Проверьте правильность параметров у первого механизма !</source>
        <translation>Please check the parameters of the first mechanism.</translation>
    </message>
    <message>
        <source>Проверьте правильность параметров у второго механизма !</source>
        <translation>Please check the parameters of the second mechanism.</translation>
    </message>
    <message>
        <source>Программное сообщение !</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>qor::TD3dView</name>
    <message>
        <source>Не получается создать устройство
HRESULT = %1
Попробуйте использовать драйвер по умолчанию!</source>
        <translation>The device cannot be created
HRESULT = %1
Try the default driver.</translation>
    </message>
    <message>
        <source>Ошибка утройства</source>
        <translation>Device Error</translation>
    </message>
</context>
<context>
    <name>qor::TMainForm</name>
    <message>
        <source>Нужно задать параметры конструкций 1 и 2 !</source>
        <translation>The parameters of constructions 1 and 2 must be set.</translation>
    </message>
    <message>
        <source>Ошибка !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Траектория точки B</source>
        <translation>Path of Point B</translation>
    </message>
    <message>
        <source>Траектория точки B|Показать путь, который точка B проходит за цикл движения; плохая передача усилия отмечена тёмным цветом</source>
        <translation>Path of point B|Show the path point B traces in one cycle of motion; poor force transmission is marked in a darker colour</translation>
    </message>
    <message>
        <source>Построение окружностей</source>
        <translation>Circle Construction</translation>
    </message>
    <message>
        <source>Построение окружностей|Показать, как находится точка B: окружности звеньев 2 и 3 и точки их пересечения</source>
        <translation>Circle construction|Show how point B is found: the circles of links 2 and 3 and their points of intersection</translation>
    </message>
    <message>
        <source>Анализ</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Запустить механизм</source>
        <translation>Run mechanism</translation>
    </message>
    <message>
        <source>Остановить механизм</source>
        <translation>Stop mechanism</translation>
    </message>
    <message>
        <source>Вращать сцену</source>
        <translation>Rotate scene</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>по умолчанию</source>
        <translation>default</translation>
    </message>
    <message>
        <source>механизм 1</source>
        <translation>mechanism 1</translation>
    </message>
    <message>
        <source>механизм 2</source>
        <translation>mechanism 2</translation>
    </message>
    <message>
        <source>Новая конструкция</source>
        <translation>New Construction</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Изображение</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About QOR</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Новый проект|Создать новую конструкцию с другими параметрами</source>
        <translation>New construction|Create a new construction with other parameters</translation>
    </message>
    <message>
        <source>Настройки изображения|Расширенные настройки изображения</source>
        <translation>Display settings|Advanced display settings</translation>
    </message>
    <message>
        <source>Информация о программе</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>Выход из программы|Завершение работы программы</source>
        <translation>Exit|Quit the program</translation>
    </message>
    <message>
        <source>Параметры механизмов</source>
        <translation>Mechanism Parameters</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Ближе</source>
        <translation>Closer</translation>
    </message>
    <message>
        <source>Дальше</source>
        <translation>Farther</translation>
    </message>
    <message>
        <source>Новый механизм</source>
        <translation>New Mechanism</translation>
    </message>
    <message>
        <source>Изображение:</source>
        <translation>Display:</translation>
    </message>
    <message>
        <source>сверху</source>
        <translation>from above</translation>
    </message>
    <message>
        <source>спереди</source>
        <translation>from the front</translation>
    </message>
    <message>
        <source>под углом</source>
        <translation>at an angle</translation>
    </message>
    <message>
        <source>|Выбор положения точки зрения на сцену</source>
        <translation>|Choose the viewpoint on the scene</translation>
    </message>
    <message>
        <source>вид</source>
        <translation>view</translation>
    </message>
    <message>
        <source>|Вкл/Выкл вращения сцены</source>
        <translation>|Start or stop rotating the scene</translation>
    </message>
    <message>
        <source>Увеличить изображение|Увеличить изображение</source>
        <translation>Zoom in|Zoom in</translation>
    </message>
    <message>
        <source>Уменьшить изображение|Уменьшить изображение</source>
        <translation>Zoom out|Zoom out</translation>
    </message>
    <message>
        <source>горизонтальную</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>вертикальную</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>угол поворота, градусы</source>
        <translation>angle of rotation, degrees</translation>
    </message>
    <message>
        <source>угол поворота, радианы</source>
        <translation>angle of rotation, radians</translation>
    </message>
    <message>
        <source>Повернуть</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>|Выполнить поворот выбранной плоскости на указанный угол</source>
        <translation>|Rotate the chosen plane by the given angle</translation>
    </message>
    <message>
        <source>градусы</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>радианы</source>
        <translation>radians</translation>
    </message>
    <message>
        <source> Повернуть плоскость : </source>
        <translation> Rotate plane: </translation>
    </message>
    <message>
        <source>угол поворота :</source>
        <translation>angle of rotation:</translation>
    </message>
    <message>
        <source> Оси : </source>
        <translation> Axes: </translation>
    </message>
    <message>
        <source>Координаты :</source>
        <translation>Coordinates:</translation>
    </message>
    <message>
        <source> Мех. 1 : </source>
        <translation> Mech. 1: </translation>
    </message>
    <message>
        <source> Мех. 2 : </source>
        <translation> Mech. 2: </translation>
    </message>
    <message>
        <source>Вкл/Выкл механизм|Вкл/Выкл механизм для демонстрации его работы</source>
        <translation>Run or stop|Run or stop the mechanism to show how it works</translation>
    </message>
    <message>
        <source>Один шаг</source>
        <translation>Single step</translation>
    </message>
    <message>
        <source>Выполнить еденичное перемещение|Выполнить еденичное перемещение ведущих звеньев конструкций механизма</source>
        <translation>Make a single step|Move the driving links of the mechanisms by one step</translation>
    </message>
    <message>
        <source>Механизм 1 (гориз.):</source>
        <translation>Mechanism 1 (horiz.):</translation>
    </message>
    <message>
        <source>Механизм 2 (верт.):</source>
        <translation>Mechanism 2 (vert.):</translation>
    </message>
    <message>
        <source>|Разрешить/Запретить движение 1-го звена горизонтальной конструкции</source>
        <translation>|Allow or stop the motion of link 1 of the horizontal construction</translation>
    </message>
    <message>
        <source>|Разрешить/Запретить движение 4-го звена горизонтальной конструкции</source>
        <translation>|Allow or stop the motion of link 4 of the horizontal construction</translation>
    </message>
    <message>
        <source>|Разрешить/Запретить движение 1-го звена вертикальной конструкции</source>
        <translation>|Allow or stop the motion of link 1 of the vertical construction</translation>
    </message>
    <message>
        <source>|Разрешить/Запретить движение 4-го звена вертикальной конструкции</source>
        <translation>|Allow or stop the motion of link 4 of the vertical construction</translation>
    </message>
    <message>
        <source>Вращать звено :</source>
        <translation>Rotate link:</translation>
    </message>
    <message>
        <source>Механизм 1</source>
        <translation>Mechanism 1</translation>
    </message>
    <message>
        <source>Механизм 2</source>
        <translation>Mechanism 2</translation>
    </message>
    <message>
        <source>|Положительное вращение (против часовой стрелки)</source>
        <translation>|Positive rotation (anticlockwise)</translation>
    </message>
    <message>
        <source>|Отрицательное вращение(по часовой стрелке)</source>
        <translation>|Negative rotation (clockwise)</translation>
    </message>
    <message>
        <source>Вращать звено %1, механизм %2</source>
        <translation>Rotate link %1, mechanism %2</translation>
    </message>
    <message>
        <source>+, звено %1, механизм %2</source>
        <translation>+, link %1, mechanism %2</translation>
    </message>
    <message>
        <source>-, звено %1, механизм %2</source>
        <translation>-, link %1, mechanism %2</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Последние</source>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Примеры</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Открыть конструкцию</source>
        <translation>Open Construction</translation>
    </message>
    <message>
        <source>Сохранить конструкцию</source>
        <translation>Save Construction</translation>
    </message>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>Конструкции QOR (*.qor)</source>
        <translation>QOR constructions (*.qor)</translation>
    </message>
    <message>
        <source>Изображения PNG (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>конструкция</source>
        <translation>construction</translation>
    </message>
    <message>
        <source>Сохранить изменения в «%1»?</source>
        <translation>Save the changes to “%1”?</translation>
    </message>
    <message>
        <source>Изображение не сохранено: вид сейчас не показан на экране.</source>
        <translation>The picture was not saved: the view is not on the screen now.</translation>
    </message>
    <message>
        <source>Не удаётся сделать из изображения файл PNG.</source>
        <translation>The picture cannot be made into a PNG file.</translation>
    </message>
    <message>
        <source>Движение</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>Запустить/остановить механизм</source>
        <translation>Run/Stop Mechanism</translation>
    </message>
    <message>
        <source>Отсутствуют данные !</source>
        <translation>Missing Data</translation>
    </message>
    <message>
        <source>Пожалуйста, выберите плоскость которую
нужно повернуть !</source>
        <translation>Please choose the plane
to rotate.</translation>
    </message>
    <message>
        <source>Пожалуйста, введите угол поворота !</source>
        <translation>Please enter the angle of rotation.</translation>
    </message>
</context>
<context>
    <name>qor::TSetupForm</name>
    <message>
        <source>Настройки изображения</source>
        <translation>Display Settings</translation>
    </message>
    <message>
        <source>Во второй строке описания драйвера должен стоять его GUID, а там «%1».
Устройство не пересоздано.</source>
        <translation>The second line of a driver’s description must be its GUID, but it is “%1”.
The device was not re-created.</translation>
    </message>
    <message>
        <source>Ошибка !</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Видеоустройство</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Видеоэкран</source>
        <translation>Viewports</translation>
    </message>
    <message>
        <source>Рендеринг</source>
        <translation>Rendering</translation>
    </message>
    <message>
        <source>Драйверы</source>
        <translation>Drivers</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Используется буфферов:</source>
        <translation>Buffers in use:</translation>
    </message>
    <message>
        <source>Прорисованно треугольников:</source>
        <translation>Triangles drawn:</translation>
    </message>
    <message>
        <source>Видеоэкраны:</source>
        <translation>Viewports:</translation>
    </message>
    <message>
        <source>Ширина:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Параметры сетки : </source>
        <translation>Wireframe: </translation>
    </message>
    <message>
        <source> Цветовой режим : </source>
        <translation> Colour model: </translation>
    </message>
    <message>
        <source>дизеринг</source>
        <translation>dither</translation>
    </message>
    <message>
        <source>Качество:</source>
        <translation>Quality:</translation>
    </message>
    <message>
        <source>Свет:</source>
        <translation>Light:</translation>
    </message>
    <message>
        <source>Техтуры:</source>
        <translation>Textures:</translation>
    </message>
    <message>
        <source>Режим текстур:</source>
        <translation>Shading:</translation>
    </message>
    <message>
        <source>Заливка:</source>
        <translation>Fill:</translation>
    </message>
    <message>
        <source>Цветов в текстуре:</source>
        <translation>Texture colours:</translation>
    </message>
    <message>
        <source>Цветов в текстуре</source>
        <translation>Texture colours</translation>
    </message>
    <message>
        <source>Видеоэкраны :</source>
        <translation>Viewports:</translation>
    </message>
    <message>
        <source>Видеоэкраны</source>
        <translation>Viewports</translation>
    </message>
    <message>
        <source>в перспективе</source>
        <translation>perspective</translation>
    </message>
    <message>
        <source>ортографически</source>
        <translation>orthographic</translation>
    </message>
    <message>
        <source>пропорционально</source>
        <translation>proportional</translation>
    </message>
    <message>
        <source> Изображение : </source>
        <translation> Projection: </translation>
    </message>
    <message>
        <source> Плоскость : </source>
        <translation> View plane: </translation>
    </message>
    <message>
        <source>Слева</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Справа</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Свеху</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Снизу</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source> Видеокамера : </source>
        <translation> Camera: </translation>
    </message>
    <message>
        <source>Фокус</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Секущие плоскости :</source>
        <translation>Clipping planes:</translation>
    </message>
    <message>
        <source>Передняя</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Задняя:</source>
        <translation>Back:</translation>
    </message>
    <message>
        <source>Смещение по x:</source>
        <translation>x offset:</translation>
    </message>
    <message>
        <source>Смещение по y:</source>
        <translation>y offset:</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Состояния рендеринга</source>
        <translation>Render states</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Состояние:</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>Значение:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>Двойной щелчок: пересоздать устройство с этим драйвером</source>
        <translation>Double-click: re-create the device with this driver</translation>
    </message>
    <message>
        <source>Сведения о драйвере</source>
        <translation>Driver details</translation>
    </message>
    <message>
        <source>Сохранено в %1</source>
        <translation>Saved to %1</translation>
    </message>
</context>
</TS>
