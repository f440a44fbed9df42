<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AdvancedMenu</name>
    <message>
        <source>Polar Scope</source>
        <translation>Полярный искатель</translation>
    </message>
    <message>
        <source>Polar Alignment</source>
        <translation>Выставка на полюс</translation>
    </message>
    <message>
        <source>Auto Home</source>
        <translation>Поиск исходной позиции</translation>
    </message>
    <message>
        <source>PPEC</source>
        <translation>PPEC</translation>
    </message>
    <message>
        <source>Camera Control</source>
        <translation>Управление камерой</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
</context>
<context>
    <name>AdvancedPage</name>
    <message>
        <source>ppm</source>
        <translation>ppm</translation>
    </message>
    <message>
        <source>Auxiliary Encoder</source>
        <translation>Дополнительный энкодер</translation>
    </message>
    <message>
        <source>Guiding Rate R.A./Az</source>
        <translation>Гидирование П.в./Аз</translation>
    </message>
    <message>
        <source>Guiding Rate Dec/Alt</source>
        <translation>Гидирование Скл./Выс.</translation>
    </message>
    <message>
        <source>Flipping Mode</source>
        <translation>Режим переворота</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>No (Once)</source>
        <translation>Нет (1 раз)</translation>
    </message>
    <message>
        <source>Forced (Once)</source>
        <translation>Принудит. (1 раз)</translation>
    </message>
    <message>
        <source>Observe Sun</source>
        <translation>Наблюдение Солнца</translation>
    </message>
    <message>
        <source>Alignment Compensation</source>
        <translation>Коррекция выравнивания</translation>
    </message>
    <message>
        <source>Speed Compensation(±ppm)</source>
        <translation>Коррекция скорости(±ppm)</translation>
    </message>
    <message>
        <source>Tuning Resolution</source>
        <translation>Шаг настройки</translation>
    </message>
    <message>
        <source>0.125x Sidereal</source>
        <translation>0,125× звёздной</translation>
    </message>
    <message>
        <source>0.25x Sidereal</source>
        <translation>0,25× звёздной</translation>
    </message>
    <message>
        <source>0.5x Sidereal</source>
        <translation>0,5× звёздной</translation>
    </message>
    <message>
        <source>0.75x Sidereal</source>
        <translation>0,75× звёздной</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Звёздная</translation>
    </message>
</context>
<context>
    <name>AlignCompensationPage</name>
    <message>
        <source>ID(arcmin)</source>
        <translation>ID(угл. мин)</translation>
    </message>
    <message>
        <source>CH(arcmin)</source>
        <translation>CH(угл. мин)</translation>
    </message>
    <message>
        <source>NP(arcmin)</source>
        <translation>NP(угл. мин)</translation>
    </message>
    <message>
        <source>Mel(arcmin)</source>
        <translation>Mel(угл. мин)</translation>
    </message>
    <message>
        <source>Maz(arcmin)</source>
        <translation>Maz(угл. мин)</translation>
    </message>
    <message>
        <source>Tilt(arcmin)</source>
        <translation>Наклон(угл. мин)</translation>
    </message>
</context>
<context>
    <name>AlignSelectionPage</name>
    <message>
        <source>Begin Alignment</source>
        <translation>Начать выравнивание</translation>
    </message>
</context>
<context>
    <name>AlignStarAstroListPage</name>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Altitude out of limits.</source>
        <translation>Высота вне пределов.</translation>
    </message>
</context>
<context>
    <name>AlignWithSyncPage</name>
    <message>
        <source>Last star at %1 is not a suitable alignment star</source>
        <translation>Последняя звезда в точке %1 не подходит для выравнивания</translation>
    </message>
    <message>
        <source>Waiting for Sync command...</source>
        <translation>Ожидание команды синхронизации...</translation>
    </message>
    <message>
        <source>Aligned Stars</source>
        <translation>Звёзды выравнивания</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>No Aligned Stars</source>
        <translation>Нет звёзд выравнивания</translation>
    </message>
</context>
<context>
    <name>AlignmentMenu</name>
    <message>
        <source>1-Star Alignment</source>
        <translation>Выравнивание по 1 звезде</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Выравнивание по ярчайшей звезде</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Выравнивание по северу и уровню</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Выравнивание по 2 звёздам</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Выравнивание по 3 звёздам</translation>
    </message>
    <message>
        <source>Align with Sync</source>
        <translation>Выравнивание синхронизацией</translation>
    </message>
    <message>
        <source>Reset Alignment</source>
        <translation>Сброс выравнивания</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Монтировка</translation>
    </message>
    <message>
        <source>Are you sure you want to reset alignment?</source>
        <translation>Вы уверены, что хотите сбросить выравнивание?</translation>
    </message>
</context>
<context>
    <name>AltitudeLimitPage</name>
    <message>
        <source>Upper Go To Limit</source>
        <translation>Верхний предел наведения</translation>
    </message>
    <message>
        <source>Lower Go To Limit</source>
        <translation>Нижний предел наведения</translation>
    </message>
    <message>
        <source>Catalog Filter</source>
        <translation>Фильтр каталога</translation>
    </message>
    <message>
        <source>Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog.</source>
        <translation>Включите фильтр каталога, чтобы скрыть из каталога объекты ниже нижнего предела наведения.</translation>
    </message>
</context>
<context>
    <name>AutoHomePage</name>
    <message>
        <source>Dec Offset (Deg)</source>
        <translation>Смещение Скл. (град)</translation>
    </message>
    <message>
        <source>Auto Home in progress ...</source>
        <translation>Идёт поиск исходной позиции...</translation>
    </message>
    <message>
        <source>Auto Home not supported</source>
        <translation>Поиск исходной позиции не поддерживается</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
</context>
<context>
    <name>BacklashPage</name>
    <message>
        <source>Azimuth/R.A.</source>
        <translation>Азимут/П.в.</translation>
    </message>
    <message>
        <source>Altitude/Dec</source>
        <translation>Высота/Скл.</translation>
    </message>
</context>
<context>
    <name>BaseAstroListPage</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>CameraControlPage</name>
    <message>
        <source>Timer</source>
        <translation>Таймер</translation>
    </message>
    <message>
        <source>Bulb</source>
        <translation>Bulb</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Exposure Groups</source>
        <translation>Группы экспозиций</translation>
    </message>
    <message>
        <source>Bulb Shutter</source>
        <translation>Затвор (Bulb)</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Монтировка не отвечает.</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>Затвор, возможно, всё ещё открыт.</translation>
    </message>
    <message>
        <source>The mount did not take the shutter command.</source>
        <translation>Монтировка не приняла команду затвора.</translation>
    </message>
    <message>
        <source>The exposures have stopped.</source>
        <translation>Экспозиции остановлены.</translation>
    </message>
</context>
<context>
    <name>CameraControlPane</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
</context>
<context>
    <name>CenteringPage</name>
    <message>
        <source>Manually Center</source>
        <translation>Центрировать вручную</translation>
    </message>
</context>
<context>
    <name>ConnectSettingsPage</name>
    <message>
        <source>Connect Settings</source>
        <translation>Настройки подключения</translation>
    </message>
    <message>
        <source>AZ/EQ Mode Mount</source>
        <translation>Монтировка AZ/EQ</translation>
    </message>
    <message>
        <source>Prompt Mode</source>
        <translation>Спрашивать</translation>
    </message>
    <message>
        <source>Use EQ</source>
        <translation>Режим EQ</translation>
    </message>
    <message>
        <source>Use AZ</source>
        <translation>Режим AZ</translation>
    </message>
    <message>
        <source>Connect on App Launch</source>
        <translation>Подключаться при запуске</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>BLE</source>
        <translation>BLE</translation>
    </message>
    <message>
        <source>Emulator</source>
        <translation>Эмулятор</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>COM-порт</translation>
    </message>
    <message>
        <source>Find Devices</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Статический IP</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>COM-порт</translation>
    </message>
    <message>
        <source>Resend Tries</source>
        <translation>Повторы отправки</translation>
    </message>
    <message>
        <source>Read Timeout (ms)</source>
        <translation>Тайм-аут чтения (мс)</translation>
    </message>
</context>
<context>
    <name>DeepSkyMenu</name>
    <message>
        <source>Messier</source>
        <translation>Messier</translation>
    </message>
    <message>
        <source>Caldwell</source>
        <translation>Caldwell</translation>
    </message>
    <message>
        <source>NGC</source>
        <translation>NGC</translation>
    </message>
    <message>
        <source>IC</source>
        <translation>IC</translation>
    </message>
    <message>
        <source>Named Deep Sky Object</source>
        <translation>Именные объекты</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Навести</translation>
    </message>
    <message>
        <source>More ...</source>
        <translation>Подробнее...</translation>
    </message>
</context>
<context>
    <name>DevSettingPage</name>
    <message>
        <source>Test Trail Points</source>
        <translation>Тест точек траектории</translation>
    </message>
    <message>
        <source>AZ Tracking</source>
        <translation>Ведение AZ</translation>
    </message>
</context>
<context>
    <name>ExposureGroupPage</name>
    <message>
        <source>Exposure Group</source>
        <translation>Группа экспозиций</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Exposure (Sec)</source>
        <translation>Выдержка (с)</translation>
    </message>
    <message>
        <source>Photo Pause (Sec)</source>
        <translation>Пауза между кадрами (с)</translation>
    </message>
</context>
<context>
    <name>HibernatePage</name>
    <message>
        <source>Hibernate data saved</source>
        <translation>Данные гибернации сохранены</translation>
    </message>
    <message>
        <source>No hibernate data</source>
        <translation>Нет данных гибернации</translation>
    </message>
    <message>
        <source>At Current Position</source>
        <translation>В текущей позиции</translation>
    </message>
    <message>
        <source>At Home Position</source>
        <translation>В исходной позиции</translation>
    </message>
    <message>
        <source>Hibernate saves the state of the mount to the app before you turn the mount off.</source>
        <translation>Гибернация сохраняет состояние монтировки в приложении перед её выключением.</translation>
    </message>
    <message>
        <source>You can optionally move the mount to its home position before hibernating.</source>
        <translation>Перед гибернацией можно при желании перевести монтировку в исходную позицию.</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Монтировка</translation>
    </message>
    <message>
        <source>Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.</source>
        <translation>Данные гибернации сохранены. Теперь можно выключить монтировку. Если же вы сдвинете монтировку, данные гибернации будут удалены.</translation>
    </message>
</context>
<context>
    <name>IdentifyPage</name>
    <message>
        <source>Telescope Orientation</source>
        <translation>Ориентация телескопа</translation>
    </message>
    <message>
        <source>Device Orientation</source>
        <translation>Ориентация устройства</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Азимут/высота</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>П.в./Скл.</translation>
    </message>
    <message>
        <source>Objects Nearby</source>
        <translation>Объекты рядом</translation>
    </message>
</context>
<context>
    <name>InstructionStepPage</name>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>No Location Sensor</source>
        <translation>Нет датчика местоположения</translation>
    </message>
    <message>
        <source>No Permission</source>
        <translation>Нет разрешения</translation>
    </message>
    <message>
        <source>No Signal</source>
        <translation>Нет сигнала</translation>
    </message>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Место наблюдения</translation>
    </message>
    <message>
        <source>Use Location Sensor</source>
        <translation>Использовать датчик</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>Местоположение обновлено</translation>
    </message>
    <message>
        <source>Enter Your Site</source>
        <translation>Укажите место наблюдения</translation>
    </message>
    <message>
        <source>The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.</source>
        <translation>Датчик местоположения не передал координаты. Введите широту и долготу на странице «Место наблюдения» в «Настройках»: до тех пор положения рассчитываются для указанного там места.</translation>
    </message>
</context>
<context>
    <name>Location_DmsInput</name>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
</context>
<context>
    <name>Location_SignInput</name>
    <message>
        <source>North</source>
        <translation>Север</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Запад</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Юг</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Восток</translation>
    </message>
</context>
<context>
    <name>LogPage</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Копировать в буфер</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>MagnitudeLimitPage</name>
    <message>
        <source>Magnitude Filter</source>
        <translation>Фильтр зв. величины</translation>
    </message>
    <message>
        <source>Faintest Star</source>
        <translation>Предел для звёзд</translation>
    </message>
    <message>
        <source>Faintest Other</source>
        <translation>Предел для прочих</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Звёзды</translation>
    </message>
    <message>
        <source>Deep Sky</source>
        <translation>Дальний космос</translation>
    </message>
    <message>
        <source>Utility</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>User Objects</source>
        <translation>Свои объекты</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>ObjectInfoPage</name>
    <message>
        <source>Too close to Sun</source>
        <translation>Слишком близко к Солнцу</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Высота вне пределов</translation>
    </message>
    <message>
        <source>Go To</source>
        <translation>Навести</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Навести и вести</translation>
    </message>
</context>
<context>
    <name>PMSharingPage</name>
    <message>
        <source>Share my pointing model</source>
        <translation>Делиться моей моделью наведения</translation>
    </message>
    <message>
        <source>My alignment</source>
        <translation>Моё выравнивание</translation>
    </message>
    <message>
        <source>Default alignment</source>
        <translation>Выравнивание по умолчанию</translation>
    </message>
    <message>
        <source>Pointing model from another %1</source>
        <translation>Модель наведения с другого устройства %1</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Pointing model Sharing</source>
        <translation>Обмен моделью наведения</translation>
    </message>
    <message>
        <source>Load pointing model from another device and overwrite local data?</source>
        <translation>Загрузить модель наведения с другого устройства и перезаписать локальные данные?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PolarScopePage</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>Полярные часы</translation>
    </message>
    <message>
        <source>Polar Scope Illuminator</source>
        <translation>Подсветка полярного искателя</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
</context>
<context>
    <name>PolarScope_Drawing</name>
    <message>
        <source>Northern Hemisphere</source>
        <translation>Северное полушарие</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>Южное полушарие</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>Устройства не найдены</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PopupFilter</name>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Звёзды</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Прочие</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Зв. величина</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Catalog Download</source>
        <translation>Загрузка каталога</translation>
    </message>
    <message>
        <source>Last updated</source>
        <translation>Обновлено</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Source: IAU Minor Planet Center</source>
        <translation>Источник: Центр малых планет МАС</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Ошибка загрузки</translation>
    </message>
</context>
<context>
    <name>PopupGoTo</name>
    <message>
        <source>Go To</source>
        <translation>Навести</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The mount does not answer. It may still be moving.</source>
        <translation>Монтировка не отвечает. Возможно, она ещё движется.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Остановка…</translation>
    </message>
    <message>
        <source>The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.</source>
        <translation>Команда остановки не дошла до монтировки: возможно, она ещё движется. Команда отправляется снова, пока монтировка не ответит.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>PopupLoadParkData</name>
    <message>
        <source>Hibernate data present. Restore state to mount?</source>
        <translation>Есть данные гибернации. Восстановить состояние монтировки?</translation>
    </message>
    <message>
        <source>Clear Data</source>
        <translation>Удалить данные</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
</context>
<context>
    <name>PopupMountMode</name>
    <message>
        <source>Alt-Az Mode</source>
        <translation>Азимутальный режим</translation>
    </message>
    <message>
        <source>Equatorial Mode</source>
        <translation>Экваториальный режим</translation>
    </message>
</context>
<context>
    <name>PopupObsSun</name>
    <message>
        <source>Danger</source>
        <translation>Опасно</translation>
    </message>
    <message>
        <source>Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements.</source>
        <translation>Никогда не смотрите в телескоп прямо на Солнце. Это приведёт к необратимому повреждению глаз. Для наблюдения Солнца используйте подходящий солнечный фильтр, надёжно закреплённый на передней части телескопа. При наблюдении Солнца закройте искатель крышкой или снимите его, чтобы случайно не попасть под солнечный свет. Никогда не используйте окулярные солнечные фильтры и не проецируйте телескопом солнечный свет на другую поверхность: нагрев внутри телескопа повредит его оптические элементы.</translation>
    </message>
    <message>
        <source>Confirm allowing Sun observation?</source>
        <translation>Разрешить наблюдение Солнца?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PopupQuitWhileStopping</name>
    <message>
        <source>The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again.</source>
        <translation>Команда остановки не дошла до монтировки: возможно, она ещё движется. После выхода её больше никто не отправит.</translation>
    </message>
    <message>
        <source>Stay</source>
        <translation>Остаться</translation>
    </message>
    <message>
        <source>Quit anyway</source>
        <translation>Всё равно выйти</translation>
    </message>
    <message>
        <source>Disconnected before the shutter closed: it may still be open. Connect again to close it.</source>
        <translation>Соединение прервалось до закрытия затвора: возможно, он ещё открыт. Подключитесь снова, чтобы закрыть его.</translation>
    </message>
    <message>
        <source>The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again.</source>
        <translation>Команда закрытия затвора не дошла до монтировки: затвор, возможно, всё ещё открыт. После выхода её больше никто не отправит.</translation>
    </message>
</context>
<context>
    <name>PpecPage</name>
    <message>
        <source>PPEC Training</source>
        <translation>Обучение PPEC</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Поддерживается</translation>
    </message>
    <message>
        <source>Unsupported</source>
        <translation>Не поддерживается</translation>
    </message>
    <message>
        <source>Training time required</source>
        <translation>Требуемое время обучения</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
</context>
<context>
    <name>ProfileListPane</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
</context>
<context>
    <name>SettingsMenu</name>
    <message>
        <source>User Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Connect Settings</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Quorvel Wi-Fi</source>
        <translation>Quorvel Wi-Fi</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Место наблюдения</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Предел высоты</translation>
    </message>
    <message>
        <source>Backlash</source>
        <translation>Люфт</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
</context>
<context>
    <name>StarMenu</name>
    <message>
        <source>Solar System</source>
        <translation>Солнечная система</translation>
    </message>
    <message>
        <source>Named Star</source>
        <translation>Именные звёзды</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Двойные звёзды</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Кометы</translation>
    </message>
</context>
<context>
    <name>StartNotice</name>
    <message>
        <source>Waiting for the running program</source>
        <translation>Ожидание запущенной программы</translation>
    </message>
    <message>
        <source>The program already running on this data folder does not answer and does not end. End it, then start the program again.</source>
        <translation>Программа, уже работающая с этой папкой данных, не отвечает и не завершается. Завершите её, затем снова запустите программу.</translation>
    </message>
    <message>
        <source>The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends.</source>
        <translation>Программа уже работает с этой папкой данных и пока не отвечает. Окно откроется, как только она ответит или завершится.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again.</source>
        <translation>Программа на компьютере %1 занимает эту папку данных и не завершается. Завершите её там. Если она там больше не работает, удалите файл %2. Затем снова запустите программу.</translation>
    </message>
    <message>
        <source>The program is running on the computer %1 with this data folder. A window opens as soon as it ends there.</source>
        <translation>Программа работает на компьютере %1 с этой папкой данных. Окно откроется, как только она там завершится.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again.</source>
        <translation>Эту папку данных занимает другая установка под именем этого компьютера, %1: прежняя установка этого компьютера или другой компьютер с тем же именем. Если программа не работает ни на одном другом компьютере, удалите файл %2. Затем снова запустите программу.</translation>
    </message>
    <message>
        <source>This data folder is held under this computer&apos;s name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free.</source>
        <translation>Эту папку данных занимает другая установка под именем этого компьютера, %1: прежняя установка этого компьютера или другой компьютер с тем же именем. Окно откроется, как только папка освободится.</translation>
    </message>
    <message>
        <source>This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again.</source>
        <translation>Эту папку данных занимает программа другого пользователя, %1. Завершите её или попросите этого пользователя её завершить. Если она больше не работает, удалите файл %2. Затем снова запустите программу.</translation>
    </message>
    <message>
        <source>A program of another user, %1, is running on this data folder. A window opens as soon as it ends.</source>
        <translation>Программа другого пользователя, %1, работает с этой папкой данных. Окно откроется, как только она завершится.</translation>
    </message>
</context>
<context>
    <name>SunWarningBanner</name>
    <message>
        <source>To avoid eye injury, only use a certified solar telescope to look at the Sun.</source>
        <translation>Чтобы не повредить глаза, смотрите на Солнце только в сертифицированный солнечный телескоп.</translation>
    </message>
</context>
<context>
    <name>TonightBestPage</name>
    <message>
        <source>Deep Sky</source>
        <translation>Дальний космос</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Планеты</translation>
    </message>
    <message>
        <source>Double Star</source>
        <translation>Двойные звёзды</translation>
    </message>
</context>
<context>
    <name>TrackingPage</name>
    <message>
        <source>No Tracking</source>
        <translation>Без ведения</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>Звёздная</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Лунная</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Солнечная</translation>
    </message>
    <message>
        <source>Point and Track</source>
        <translation>Навести и вести</translation>
    </message>
    <message>
        <source>PPEC Playback</source>
        <translation>Воспроизведение PPEC</translation>
    </message>
    <message numerus="yes">
        <source>Playback requires up to %n minutes to become stable</source>
        <translation>
            <numerusform>Стабилизация воспроизведения занимает до %n минуты</numerusform>
            <numerusform>Стабилизация воспроизведения занимает до %n минут</numerusform>
            <numerusform>Стабилизация воспроизведения занимает до %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Монтировка не отвечает.</translation>
    </message>
</context>
<context>
    <name>TrailPointsPopup</name>
    <message>
        <source>Go To</source>
        <translation>Наведение</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Ведение</translation>
    </message>
    <message>
        <source>Warning: manual EQ flipping mode</source>
        <translation>Внимание: ручной режим переворота EQ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>UiBlockingMessage</name>
    <message>
        <source>Please wait</source>
        <translation>Подождите</translation>
    </message>
</context>
<context>
    <name>UserInterfacePage</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>Ночной режим</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Footer Padding</source>
        <translation>Отступ снизу</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>Вибрация</translation>
    </message>
    <message>
        <source>Keep screen on</source>
        <translation>Не гасить экран</translation>
    </message>
</context>
<context>
    <name>UserObjectsMenu</name>
    <message>
        <source>Celestial Objects</source>
        <translation>Небесные объекты</translation>
    </message>
    <message>
        <source>Terrestrial Objects</source>
        <translation>Наземные объекты</translation>
    </message>
</context>
<context>
    <name>UserObjectsPage</name>
    <message>
        <source>Go To</source>
        <translation>Навести</translation>
    </message>
    <message>
        <source>Object Name</source>
        <translation>Название объекта</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Текущий объект</translation>
    </message>
    <message>
        <source>R.A.</source>
        <translation>П.в.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Скл.</translation>
    </message>
    <message>
        <source>JNow</source>
        <translation>JNow</translation>
    </message>
    <message>
        <source>J2000</source>
        <translation>J2000</translation>
    </message>
    <message>
        <source>Axis1</source>
        <translation>Ось 1</translation>
    </message>
    <message>
        <source>Axis2</source>
        <translation>Ось 2</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Объекты</translation>
    </message>
    <message>
        <source>Nothing saved: no position is shown. Connect the mount, or type one in.</source>
        <translation>Ничего не сохранено: положение не показано. Подключите монтировку или введите его вручную.</translation>
    </message>
    <message>
        <source>Nothing saved: the position is only half typed in. Missing: %1</source>
        <translation>Ничего не сохранено: положение введено лишь наполовину. Не хватает: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the two rows of a position that lack a value</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>UserObjectsPane</name>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
</context>
<context>
    <name>UserObjects_DmsInput</name>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
</context>
<context>
    <name>UtilityMenu</name>
    <message>
        <source>Opening page in external app...</source>
        <translation>Открытие страницы во внешнем приложении...</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Ведение</translation>
    </message>
    <message>
        <source>Tonight&apos;s Best</source>
        <translation>Лучшее сегодня</translation>
    </message>
    <message>
        <source>Point and Go</source>
        <translation>Указать и навести</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Определить</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Гибернация</translation>
    </message>
    <message>
        <source>PM Sharing</source>
        <translation>Обмен моделью</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>The help page cannot be opened: no program here opens web pages.</source>
        <translation>Не удаётся открыть страницу справки: здесь нет программы для веб-страниц.</translation>
    </message>
</context>
<context>
    <name>WifiConfigPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Сеть Wi-Fi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Connected via %1 network</source>
        <translation>Подключено через сеть «%1»</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Access Point</source>
        <translation>Точка доступа</translation>
    </message>
    <message>
        <source>Modify Access Point</source>
        <translation>Настроить точку доступа</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>Режим точки доступа</translation>
    </message>
    <message>
        <source>Read default AP settings</source>
        <translation>Считать настройки ТД по умолчанию</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Защита</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открытая</translation>
    </message>
    <message>
        <source>WPA PSK</source>
        <translation>WPA PSK</translation>
    </message>
    <message>
        <source>WPA2 PSK</source>
        <translation>WPA2 PSK</translation>
    </message>
    <message>
        <source>WPA/WPA2 PSK</source>
        <translation>WPA/WPA2 PSK</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Modify Station</source>
        <translation>Настроить клиент</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>Режим клиента</translation>
    </message>
    <message>
        <source>(Unavailable)</source>
        <translation>(Недоступно)</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>В SSID и пароле учитывается регистр</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>Через DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>Статический IP</translation>
    </message>
    <message>
        <source>Read settings</source>
        <translation>Считать настройки</translation>
    </message>
    <message>
        <source>Settings written</source>
        <translation>Настройки записаны</translation>
    </message>
    <message>
        <source>Failed to write settings</source>
        <translation>Не удалось записать настройки</translation>
    </message>
    <message>
        <source>Intermediate Wi-Fi setting written.</source>
        <translation>Промежуточная настройка Wi-Fi записана.</translation>
    </message>
    <message>
        <source>Please re-connect Wi-Fi to %1 network.</source>
        <translation>Переподключите Wi-Fi к сети «%1».</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Монтировка не отвечает.</translation>
    </message>
    <message>
        <source>The Wi-Fi module refused to give its settings.</source>
        <translation>Модуль Wi-Fi отказался выдать свои настройки.</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Отрицательный ответ</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Ошибка связи</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Операция отменена</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Неожиданный ответ</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Не удаётся подключиться</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Не удаётся определить режим монтировки</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Отключение</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>Поиск завершён</translation>
    </message>
    <message>
        <source>Connect fail</source>
        <translation>Ошибка подключения</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>Не удаётся открыть COM-порт</translation>
    </message>
    <message>
        <source>Alignment data and location loaded</source>
        <translation>Данные выравнивания и местоположение загружены</translation>
    </message>
    <message>
        <source>Park target</source>
        <translation>Позиция парковки</translation>
    </message>
    <message>
        <source>Hibernate data removed</source>
        <translation>Данные гибернации удалены</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Other Name</source>
        <translation>Другое название</translation>
    </message>
    <message>
        <source>Constellation</source>
        <translation>Созвездие</translation>
    </message>
    <message>
        <source>Bayer Designation</source>
        <translation>Обозначение Байера</translation>
    </message>
    <message>
        <source>Separation (arcsec)</source>
        <translation>Расстояние (угл. сек)</translation>
    </message>
    <message>
        <source>Position (deg)</source>
        <translation>Поз. угол (град)</translation>
    </message>
    <message>
        <source>Maximum Magnitude</source>
        <translation>Макс. зв. величина</translation>
    </message>
    <message>
        <source>Minimum Magnitude</source>
        <translation>Мин. зв. величина</translation>
    </message>
    <message>
        <source>Period (days)</source>
        <translation>Период (сут)</translation>
    </message>
    <message>
        <source>Messier Number</source>
        <translation>Номер Messier</translation>
    </message>
    <message>
        <source>Caldwell Number</source>
        <translation>Номер Caldwell</translation>
    </message>
    <message>
        <source>NGC Number</source>
        <translation>Номер NGC</translation>
    </message>
    <message>
        <source>IC Number</source>
        <translation>Номер IC</translation>
    </message>
    <message>
        <source>Distance (AU)</source>
        <translation>Расстояние (а.е.)</translation>
    </message>
    <message>
        <source>Perihelion Distance (AU)</source>
        <translation>Перигелийное расстояние (а.е.)</translation>
    </message>
    <message>
        <source>Eccentricity</source>
        <translation>Эксцентриситет</translation>
    </message>
    <message>
        <source>2-Star Alignment</source>
        <translation>Выравнивание по 2 звёздам</translation>
    </message>
    <message>
        <source>3-Star Alignment</source>
        <translation>Выравнивание по 3 звёздам</translation>
    </message>
    <message>
        <source>Brightest Star Alignment</source>
        <translation>Выравнивание по ярчайшей звезде</translation>
    </message>
    <message>
        <source>North-Level Alignment</source>
        <translation>Выравнивание по северу и уровню</translation>
    </message>
    <message>
        <source>1-Star Alignment</source>
        <translation>Выравнивание по 1 звезде</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Звёзды</translation>
    </message>
    <message>
        <source>DSO</source>
        <translation>Дальний космос</translation>
    </message>
    <message>
        <source>Solar System</source>
        <translation>Солнечная система</translation>
    </message>
    <message>
        <source>Device orientation</source>
        <translation>Ориентация устройства</translation>
    </message>
    <message>
        <source>Altitude outside of limits</source>
        <translation>Высота вне пределов</translation>
    </message>
    <message>
        <source>Too close to Sun</source>
        <translation>Слишком близко к Солнцу</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Зв. величина</translation>
    </message>
    <message>
        <source>Pointing model does not match mount</source>
        <translation>Модель наведения не подходит для монтировки</translation>
    </message>
    <message>
        <source>Pointing model loaded</source>
        <translation>Модель наведения загружена</translation>
    </message>
    <message>
        <source>Quorvel Pro</source>
        <translation>Quorvel Pro</translation>
    </message>
    <message>
        <source>Current object</source>
        <translation>Текущий объект</translation>
    </message>
    <message>
        <source>Choose 1st Star</source>
        <translation>Выберите 1-ю звезду</translation>
    </message>
    <message>
        <source>Choose 2nd Star</source>
        <translation>Выберите 2-ю звезду</translation>
    </message>
    <message>
        <source>Choose 3rd Star</source>
        <translation>Выберите 3-ю звезду</translation>
    </message>
    <message>
        <source>Level your telescope and point it to north.</source>
        <translation>Выставьте телескоп по уровню и направьте его на север.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>No measured Mel Maz. Please perform alignment with 2 or 3 stars.</source>
        <translation>Mel и Maz не измерены. Выполните выравнивание по 2 или 3 звёздам.</translation>
    </message>
    <message>
        <source>Choose Polar Align Star</source>
        <translation>Выберите звезду для выставки на полюс</translation>
    </message>
    <message>
        <source>Error: Cannot read axis coordinates</source>
        <translation>Ошибка: не удаётся прочитать координаты осей</translation>
    </message>
    <message>
        <source>Adjust %s of mount to bring star to center of eyepiece</source>
        <translation>%s: отрегулируйте монтировку, чтобы звезда оказалась в центре окуляра</translation>
    </message>
    <message>
        <source>Failed to update alignment data</source>
        <translation>Не удалось обновить данные выравнивания</translation>
    </message>
    <message>
        <source>Polar alignment finished</source>
        <translation>Выставка на полюс завершена</translation>
    </message>
    <message>
        <source>Local longitude</source>
        <translation>Местная долгота</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Местное время</translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>Положение Полярной </translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>Положение Октанта</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Azimuth/Altitude</source>
        <translation>Азимут/высота</translation>
    </message>
    <message>
        <source>H.A./Dec</source>
        <translation>Час. угол/Скл.</translation>
    </message>
    <message>
        <source>R.A./Dec</source>
        <translation>П.в./Скл.</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Оси</translation>
    </message>
    <message>
        <source>Polaris</source>
        <translation>Полярная звезда</translation>
    </message>
    <message>
        <source>Clock Position</source>
        <translation>По циферблату</translation>
    </message>
    <message>
        <source>Hour Angle</source>
        <translation>Часовой угол</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>LMST</source>
        <translation>LMST</translation>
    </message>
    <message>
        <source>GMST</source>
        <translation>GMST</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Местное время</translation>
    </message>
    <message>
        <source>Greenwich Time</source>
        <translation>Время по Гринвичу</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Выравнивание</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>NP</source>
        <translation>NP</translation>
    </message>
    <message>
        <source>Mel</source>
        <translation>Mel</translation>
    </message>
    <message>
        <source>Maz</source>
        <translation>Maz</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Наклон</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Motor Board</source>
        <translation>Плата моторов</translation>
    </message>
    <message>
        <source>Basic Information</source>
        <translation>Основные сведения</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>R.A./Dec (now)</source>
        <translation>П.в./Скл. (на дату)</translation>
    </message>
    <message>
        <source>R.A./Dec (J2000)</source>
        <translation>П.в./Скл. (J2000)</translation>
    </message>
    <message>
        <source>H.A./Dec (apparent)</source>
        <translation>Час. угол/Скл. (видимые)</translation>
    </message>
    <message>
        <source>Azimuth/Altitude (apparent)</source>
        <translation>Азимут/высота (видимые)</translation>
    </message>
    <message>
        <source>Visibility</source>
        <translation>Видимость</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Восход</translation>
    </message>
    <message>
        <source>Transit Time</source>
        <translation>Кульминация</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Заход</translation>
    </message>
    <message>
        <source>Always above horizon</source>
        <translation>Всегда над горизонтом</translation>
    </message>
    <message>
        <source>Always below horizon</source>
        <translation>Всегда под горизонтом</translation>
    </message>
    <message>
        <source>The mount was sent elsewhere: nothing was recorded</source>
        <translation>Монтировка отправлена в другое место: ничего не записано</translation>
    </message>
    <message>
        <source>The mount restarted: where it points is no longer known. Connect again, then park, home or align it.</source>
        <translation>Монтировка перезапустилась: куда она направлена, больше неизвестно. Подключитесь снова, затем выполните парковку, переход в исходную позицию или выравнивание.</translation>
    </message>
    <message>
        <source>The mount did not take the tracking: it is off.</source>
        <translation>Монтировка не приняла ведение: оно выключено.</translation>
    </message>
    <message>
        <source>The mount does not answer and may still be moving. The stop is sent again until it answers.</source>
        <translation>Монтировка не отвечает и, возможно, ещё движется. Команда остановки отправляется снова, пока она не ответит.</translation>
    </message>
    <message>
        <source>GoTo given up: the mount has made no progress for %1 s. It does not answer, or its answers are garbled.</source>
        <translation>Наведение прервано: монтировка не продвигается уже %1 с. Она не отвечает, или её ответы искажены.</translation>
    </message>
    <message>
        <source>The mount restarted while connecting. Connect again.</source>
        <translation>Монтировка перезапустилась во время подключения. Подключитесь снова.</translation>
    </message>
    <message>
        <source>The connection ended before the stop reached the mount: it may still be moving. Connect again to stop it.</source>
        <translation>Соединение прервалось до того, как команда остановки дошла до монтировки: возможно, она ещё движется. Подключитесь снова, чтобы остановить её.</translation>
    </message>
    <message>
        <source>The mount does not answer.</source>
        <translation>Монтировка не отвечает.</translation>
    </message>
    <message>
        <source>The setup of a mount like this one was cut off: where it points is not known. Park, home or align it.</source>
        <translation>Настройка такой же монтировки была прервана: куда она направлена, неизвестно. Выполните парковку, переход в исходную позицию или выравнивание.</translation>
    </message>
</context>
</TS>
