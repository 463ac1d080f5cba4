<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>показать эту справку и выйти</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>показать версию программы и выйти</source>
        <translation>show the program&apos;s version and exit</translation>
    </message>
    <message>
        <source>Использование: %1 [параметры]
%2

Параметры:
</source>
        <translation>Usage: %1 [options]
%2

Options:
</translation>
    </message>
    <message>
        <source>
Принимаются также стандартные параметры Qt: -platform, -style, -reverse и другие.
</source>
        <translation>
Qt&apos;s standard options are accepted too: -platform, -style, -reverse and others.
</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>параметр «%1» не принимает значения</source>
        <translation>option &apos;%1&apos; takes no value</translation>
    </message>
    <message>
        <source>не задано значение параметра «%1»</source>
        <translation>option &apos;%1&apos; needs a value</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>неверный масштаб «%1»: нужно число от 1 до 4 или fit</source>
        <translation>invalid scale &apos;%1&apos;: give a number from 1 to 4, or fit</translation>
    </message>
    <message>
        <source>неверный темп «%1»: нужно число секунд на шаг — 0,25; 0,5; 1; 2 или 4</source>
        <translation>invalid pace &apos;%1&apos;: give the seconds a step takes: 0.25, 0.5, 1, 2 or 4</translation>
    </message>
    <message>
        <source>темп автоматического режима: S секунд на шаг (0,25; 0,5; 1; 2 или 4), по умолчанию 0,5</source>
        <translation>the automatic mode&apos;s pace: S seconds a step (0.25, 0.5, 1, 2 or 4), 0.5 by default</translation>
    </message>
    <message>
        <source>увеличить окно в F раз (от 1 до 4, но не больше, чем помещается на экране) — для проектора; fit — по размеру экрана</source>
        <translation>draw the window F times larger (1 to 4, but no larger than fits the screen), for a projector; fit: as large as the screen allows</translation>
    </message>
    <message>
        <source>окно не помещается на экране при увеличении %1; увеличено в %2 раза</source>
        <translation>the window doesn&apos;t fit the screen at scale %1; it is drawn %2 times larger</translation>
    </message>
    <message>
        <source>окно не помещается на экране при увеличении %1; оно показано без увеличения</source>
        <translation>the window doesn&apos;t fit the screen at scale %1; it is shown at its own size</translation>
    </message>
    <message>
        <source>неверный язык программы «%1»: нужно vb, pascal, python, cpp или alg</source>
        <translation>invalid programming language &apos;%1&apos;: give vb, pascal, python, cpp or alg</translation>
    </message>
    <message>
        <source>программа на экране на языке L: vb (Visual Basic, по умолчанию), pascal, python, cpp (C++) или alg (школьный алгоритмический язык)</source>
        <translation>the program shown in language L: vb (Visual Basic, the default), pascal, python, cpp (C++) or alg (the school algorithmic language)</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>%1: нет экрана, на котором можно показать окно: переменные DISPLAY и WAYLAND_DISPLAY не заданы. Запустите программу в графическом сеансе.
</source>
        <translation>%1: no screen to show the window on: neither DISPLAY nor WAYLAND_DISPLAY is set. Start the program in a graphical session.
</translation>
    </message>
    <message>
        <source>%1: нет экрана, на котором можно показать окно: не удалось подключиться к экрану %2.
</source>
        <translation>%1: no screen to show the window on: could not connect to the display %2.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Число А=</source>
        <translation>Number A=</translation>
    </message>
    <message>
        <source>Число В=</source>
        <translation>Number B=</translation>
    </message>
    <message>
        <source>Число С=</source>
        <translation>Number C=</translation>
    </message>
    <message>
        <source>Сортировать числа по возрастанию</source>
        <translation>Sort the numbers in ascending order</translation>
    </message>
    <message>
        <source>Сортировка трех чисел (по возрастанию)</source>
        <translation>Sort three numbers (ascending)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a box&apos;s name and the number it holds</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>FormDemo</name>
    <message>
        <source>%1 %2 — демонстрация сортировки трех чисел</source>
        <translation>%1 %2 — a demonstration of sorting three numbers</translation>
    </message>
    <message>
        <source>Об авторе...</source>
        <translation>About the author...</translation>
    </message>
    <message>
        <source>Блок-схема алгоритма сортировки трех чисел</source>
        <translation>Flowchart of the algorithm that sorts three numbers</translation>
    </message>
    <message>
        <source>Начало</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ввод А</source>
        <translation>Input A</translation>
    </message>
    <message>
        <source>Ввод В</source>
        <translation>Input B</translation>
    </message>
    <message>
        <source>Ввод С</source>
        <translation>Input C</translation>
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
        <source>Вывод А</source>
        <translation>Output A</translation>
    </message>
    <message>
        <source>Вывод В</source>
        <translation>Output B</translation>
    </message>
    <message>
        <source>Вывод С</source>
        <translation>Output C</translation>
    </message>
    <message>
        <source>Конец</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Программый код, реализующий сортировку трех чисел.</source>
        <translation>Program code that sorts three numbers.</translation>
    </message>
    <message>
        <source>Рабочий стол компьютера</source>
        <translation>The computer&apos;s desktop</translation>
    </message>
    <message>
        <source>Окно программы сортировки трех чисел</source>
        <translation>Window of the program that sorts three numbers</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Форма для выполнения сортировки.</source>
        <translation>The form that runs the sort.</translation>
    </message>
    <message>
        <source>Сортировать числа по возраствнию</source>
        <translation>Sort the numbers in ascending order</translation>
    </message>
    <message>
        <source>Число А=</source>
        <translation>Number A=</translation>
    </message>
    <message>
        <source>Число В=</source>
        <translation>Number B=</translation>
    </message>
    <message>
        <source>Число С=</source>
        <translation>Number C=</translation>
    </message>
    <message>
        <source>Память</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Пошаговый режим</source>
        <translation>Step-by-step mode</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперед</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Демонстрация алгоритма сортировки трех чисел</source>
        <translation>Three-number sort demonstration</translation>
    </message>
    <message>
        <source>Выделение и память очищены</source>
        <translation>Highlighting and memory cleared</translation>
    </message>
    <message>
        <source>Показ приостановлен: пошаговый режим, «Вперед» — следующий шаг</source>
        <translation>Paused: step-by-step mode, “Forward” shows the next step</translation>
    </message>
    <message>
        <source>Проверь себя</source>
        <translation>Test yourself</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1 с</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Шаг %1: %2 — %3 &gt; %4?</source>
        <translation>Step %1: %2 — %3 &gt; %4?</translation>
    </message>
    <message>
        <source>Назад. %1</source>
        <translation>Back. %1</translation>
    </message>
    <message>
        <source>Ни один шаг еще не показан.</source>
        <translation>No step has been shown yet.</translation>
    </message>
    <message>
        <source>Проверь себя: верно %1 из %2</source>
        <translation>Test yourself: %1 of %2 correct</translation>
    </message>
    <message>
        <source>Темп: %1 на шаг</source>
        <translation>Pace: %1 a step</translation>
    </message>
    <message>
        <source>Проверь себя: включено</source>
        <translation>Test yourself: on</translation>
    </message>
    <message>
        <source>Проверь себя: выключено</source>
        <translation>Test yourself: off</translation>
    </message>
    <message>
        <source>Шаг %1: %2</source>
        <translation>Step %1: %2</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>блок %1</source>
        <translation>block %1</translation>
    </message>
    <message>
        <source>память: %1</source>
        <translation>memory: %1</translation>
    </message>
    <message>
        <source>память очищена</source>
        <translation>memory cleared</translation>
    </message>
    <message>
        <source>поле «%1»: %2</source>
        <translation>box “%1”: %2</translation>
    </message>
    <message>
        <source>Готово: %1</source>
        <translation>Done: %1</translation>
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
        <source>%1 (верно)</source>
        <translation>%1 (correct)</translation>
    </message>
    <message>
        <source>%1 (ответ «%2» — неверно)</source>
        <translation>%1 (answered “%2”: wrong)</translation>
    </message>
    <message>
        <source>Язык программы: %1</source>
        <translation>Programming language: %1</translation>
    </message>
    <message>
        <source># Сортировка трех чисел</source>
        <translation># Sorting three numbers</translation>
    </message>
    <message>
        <source>Школьный алгоритмический язык</source>
        <translation>School algorithmic language</translation>
    </message>
    <message>
        <source>Шаг %1</source>
        <translation>Step %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>кнопка</source>
        <translation>button</translation>
    </message>
    <message>
        <source>флажок</source>
        <translation>check box</translation>
    </message>
    <message>
        <source>поле ввода</source>
        <translation>input box</translation>
    </message>
    <message>
        <source>сообщение</source>
        <translation>message</translation>
    </message>
    <message>
        <source>таблица</source>
        <translation>table</translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation>checked</translation>
    </message>
    <message>
        <source>не отмечен</source>
        <translation>not checked</translation>
    </message>
</context>
<context>
    <name>Teacher</name>
    <message>
        <source>Темп</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>%1 на шаг</source>
        <translation>%1 a step</translation>
    </message>
    <message>
        <source>Таблица трассировки</source>
        <translation>Trace table</translation>
    </message>
    <message>
        <source>Проверь себя</source>
        <translation>Test yourself</translation>
    </message>
    <message>
        <source>Язык программы</source>
        <translation>Programming language</translation>
    </message>
</context>
<context>
    <name>TraceTable</name>
    <message>
        <source>Таблица трассировки</source>
        <translation>Trace table</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Условие</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>новое значение</source>
        <translation>new value</translation>
    </message>
</context>
<context>
    <name>brivon</name>
    <message>
        <source>Сортирует три числа по возрастанию.</source>
        <translation>Sorts three numbers in ascending order.</translation>
    </message>
    <message>
        <source>Tab и Shift+Tab — от поля к полю и к кнопке, пробел или Enter нажимает кнопку.</source>
        <translation>Tab and Shift+Tab move from box to box and to the button; Space or Enter presses it.</translation>
    </message>
</context>
<context>
    <name>kalumet</name>
    <message>
        <source>Показывает по шагам, как выполняется сортировка трех чисел.</source>
        <translation>Shows step by step how a program sorts three numbers.</translation>
    </message>
    <message>
        <source>Tab и Shift+Tab — от элемента окна к элементу, пробел или Enter нажимает кнопку, пробел ставит флажок. PageDown — «Вперед», PageUp — «Назад», «+» и «−» — темп, F2 — таблица трассировки, F3 — «Проверь себя», Esc — сведения о программе.</source>
        <translation>Tab and Shift+Tab move from one control of the window to the next; Space or Enter presses a button, Space ticks the check box. PageDown is “Forward”, PageUp “Back”, “+” and “−” set the pace, F2 opens the trace table, F3 “Test yourself”, Esc the note about the program.</translation>
    </message>
</context>
<context>
    <name>numberbox</name>
    <message>
        <source>Введите число, например: %1</source>
        <translation>Enter a number, for example: %1</translation>
    </message>
    <message>
        <source>Поле «%1» пустое. %2</source>
        <translation>The box “%1” is empty. %2</translation>
    </message>
    <message>
        <source>В поле «%1» слишком большое число: «%2». %3</source>
        <translation>The number in the box “%1” is too large: “%2”. %3</translation>
    </message>
    <message>
        <source>В поле «%1» число слишком близко к нулю: «%2». %3</source>
        <translation>The number in the box “%1” is too close to zero: “%2”. %3</translation>
    </message>
    <message>
        <source>В поле «%1» не число: «%2». %3</source>
        <translation>The box “%1” doesn&apos;t hold a number: “%2”. %3</translation>
    </message>
</context>
</TS>
