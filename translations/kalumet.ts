<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>показать эту справку и выйти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>показать версию программы и выйти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использование: %1 [параметры]
%2

Параметры:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Принимаются также стандартные параметры Qt: -platform, -style, -reverse и другие.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>параметр «%1» не принимает значения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не задано значение параметра «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>лишний аргумент «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверный масштаб «%1»: нужно число от 1 до 4 или fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверный темп «%1»: нужно число секунд на шаг — 0,25; 0,5; 1; 2 или 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>темп автоматического режима: S секунд на шаг (0,25; 0,5; 1; 2 или 4), по умолчанию 0,5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>увеличить окно в F раз (от 1 до 4, но не больше, чем помещается на экране) — для проектора; fit — по размеру экрана</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>окно не помещается на экране при увеличении %1; увеличено в %2 раза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>окно не помещается на экране при увеличении %1; оно показано без увеличения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неверный язык программы «%1»: нужно vb, pascal, python, cpp или alg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>программа на экране на языке L: vb (Visual Basic, по умолчанию), pascal, python, cpp (C++) или alg (школьный алгоритмический язык)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>%1: нет экрана, на котором можно показать окно: переменные DISPLAY и WAYLAND_DISPLAY не заданы. Запустите программу в графическом сеансе.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: нет экрана, на котором можно показать окно: не удалось подключиться к экрану %2.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Число А=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число В=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число С=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сортировать числа по возрастанию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сортировка трех чисел (по возрастанию)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a box&apos;s name and the number it holds</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormDemo</name>
    <message>
        <source>%1 %2 — демонстрация сортировки трех чисел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Об авторе...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Блок-схема алгоритма сортировки трех чисел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ввод А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ввод В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ввод С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вывод А</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вывод В</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вывод С</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Конец</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Программый код, реализующий сортировку трех чисел.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочий стол компьютера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Окно программы сортировки трех чисел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Форма для выполнения сортировки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сортировать числа по возраствнию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число А=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число В=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число С=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Память</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пошаговый режим</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вперед</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Демонстрация алгоритма сортировки трех чисел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выделение и память очищены</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показ приостановлен: пошаговый режим, «Вперед» — следующий шаг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверь себя</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>%1 с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг %1: %2 — %3 &gt; %4?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назад. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ни один шаг еще не показан.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверь себя: верно %1 из %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Темп: %1 на шаг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверь себя: включено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверь себя: выключено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>блок %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>память: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>память очищена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле «%1»: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Готово: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (верно)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (ответ «%2» — неверно)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык программы: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Сортировка трех чисел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Школьный алгоритмический язык</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>кнопка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>флажок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поле ввода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сообщение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>таблица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отмечен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не отмечен</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Teacher</name>
    <message>
        <source>Темп</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 на шаг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица трассировки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверь себя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Язык программы</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TraceTable</name>
    <message>
        <source>Таблица трассировки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Строка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Условие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>новое значение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brivon</name>
    <message>
        <source>Сортирует три числа по возрастанию.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab и Shift+Tab — от поля к полю и к кнопке, пробел или Enter нажимает кнопку.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kalumet</name>
    <message>
        <source>Показывает по шагам, как выполняется сортировка трех чисел.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab и Shift+Tab — от элемента окна к элементу, пробел или Enter нажимает кнопку, пробел ставит флажок. PageDown — «Вперед», PageUp — «Назад», «+» и «−» — темп, F2 — таблица трассировки, F3 — «Проверь себя», Esc — сведения о программе.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>numberbox</name>
    <message>
        <source>Введите число, например: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поле «%1» пустое. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В поле «%1» слишком большое число: «%2». %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В поле «%1» число слишком близко к нулю: «%2». %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В поле «%1» не число: «%2». %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
