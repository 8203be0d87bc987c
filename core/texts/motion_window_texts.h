// The texts of the motion window, "Lodarix - графика на движението", and of
// the files it saves. Numbers in them are written by number_texts.h; each {}
// is filled in turn (fill).
#pragma once

#include <string_view>

namespace lodarix::motion_texts {

inline constexpr std::string_view WindowTitle = "Lodarix - графика на движението";

// The teacher's time controls.
inline constexpr std::string_view Pause = "Пауза";
inline constexpr std::string_view Continue = "Продължи";
inline constexpr std::string_view PauseTip = "Задържа стъпките; часовникът спира (P или Pause)";
inline constexpr std::string_view ContinueTip = "Стъпките продължават (P или Pause)";
inline constexpr std::string_view Step = "Стъпка";
inline constexpr std::string_view StepTip = "Една стъпка по време на пауза (S)";
inline constexpr std::string_view Interval = "Интервал, ms";
inline constexpr std::string_view StoreyHeight = "Височина на етаж, m";
inline constexpr std::string_view WholeSession = "Цялата сесия";
inline constexpr std::string_view WholeSessionTip =
    "Графиките показват цялата сесия вместо последните 60 s";

// The graphs: their names, axis titles and what their descriptions add.
inline constexpr std::string_view PositionGraphName = "Графика на положението: етаж във времето";
inline constexpr std::string_view SpeedGraphName = "Графика на скоростта: скорост във времето";
inline constexpr std::string_view TimeAxis = "t, s";
inline constexpr std::string_view FloorAxis = "етаж";
inline constexpr std::string_view SpeedAxis = "v, m/s";
inline constexpr std::string_view MeanSpeedOfLatest = "; средна скорост {} m/s";

// The clocks: model time, and the time of the last trip.
inline constexpr std::string_view Clock = "t = {} s";
inline constexpr std::string_view Paused = " (пауза)";
inline constexpr std::string_view NoTripClock = "Курс: –";
inline constexpr std::string_view TripClock = "Курс {}: {} s";
inline constexpr std::string_view FinishedTripClock = "Курс {}: {} s (завършен)";

// The trips: the table, its columns and notes, and the summary of a trip.
inline constexpr std::string_view Trips = "Курсове";
inline constexpr std::string_view NumberColumn = "№";
inline constexpr std::string_view FromColumn = "От\nетаж";
inline constexpr std::string_view ToColumn = "До\nетаж";
inline constexpr std::string_view FloorsColumn = "Етажи";
inline constexpr std::string_view TimeColumn = "Време,\ns";
inline constexpr std::string_view MeanSpeedColumn = "Средна\nскорост, m/s";
inline constexpr std::string_view NoteColumn = "Бележка";
inline constexpr std::string_view Interrupted = "прекъснат";
inline constexpr std::string_view Running = "в движение";
inline constexpr std::string_view NoSpeed = "–";
inline constexpr std::string_view OneFloor = "1 етаж";
inline constexpr std::string_view Floors = "{} етажа";
inline constexpr std::string_view TripSummary = "Курс {}: от етаж {} до етаж {}, {} за {} s";
inline constexpr std::string_view InterruptedSuffix = ", прекъснат";
inline constexpr std::string_view RunningSuffix = ", в движение";
inline constexpr std::string_view NoTripsYet = "Още няма курсове.";

// Saving.
inline constexpr std::string_view SaveWorkbook = "Запази за електронна таблица…";
inline constexpr std::string_view SaveWorkbookTip =
    "Записва записа и курсовете като работна книга (.xlsx) за Excel или LibreOffice Calc";
inline constexpr std::string_view SaveWorkbookTitle = "Запази за електронна таблица";
inline constexpr std::string_view WorkbookFileName = "lodarix-движение.xlsx";
inline constexpr std::string_view WorkbookFilter = "Работна книга (*.xlsx)";
inline constexpr std::string_view SaveCsv = "Запази CSV…";
inline constexpr std::string_view SaveCsvTip = "Записва записа на движението като таблица CSV";
inline constexpr std::string_view SaveCsvTitle = "Запази записа на движението";
inline constexpr std::string_view CsvFileName = "lodarix-движение.csv";
inline constexpr std::string_view CsvFilter = "CSV (*.csv)";
inline constexpr std::string_view SaveImage = "Запази изображение…";
inline constexpr std::string_view SaveImageTip = "Записва двете графики като изображение PNG";
inline constexpr std::string_view SaveImageTitle = "Запази графиките";
inline constexpr std::string_view ImageFileName = "lodarix-графики.png";
inline constexpr std::string_view ImageFilter = "PNG (*.png)";

// The workbook for a spreadsheet: its sheets, their headings, and a word for
// each event beside its code.
inline constexpr std::string_view RecordSheet = "Движение";
inline constexpr std::string_view TripsSheet = "Курсове";
inline constexpr std::string_view TimeHeading = "Време, s";
inline constexpr std::string_view FloorHeading = "Етаж";
inline constexpr std::string_view TargetHeading = "Крайна спирка";
inline constexpr std::string_view EventHeading = "Събитие";
inline constexpr std::string_view EventWordHeading = "Описание";
inline constexpr std::string_view StartWord = "начало";
inline constexpr std::string_view PickWord = "избор";
inline constexpr std::string_view StepWord = "стъпка";
inline constexpr std::string_view ArriveWord = "пристигане";
inline constexpr std::string_view FromHeading = "От етаж";
inline constexpr std::string_view ToHeading = "До етаж";
inline constexpr std::string_view MeanSpeedHeading = "Средна скорост, m/s";

// Why a file was not saved, {} the folder where one is named, and the whole
// message, {} the file and the reason.
inline constexpr std::string_view FolderMissing = "папката „{}“ не съществува";
inline constexpr std::string_view NotAFolder = "„{}“ не е папка";
inline constexpr std::string_view FolderInTheWay = "на това място има папка със същото име";
inline constexpr std::string_view FileReadOnly = "файлът е защитен от запис";
inline constexpr std::string_view FolderNotWritable = "няма права за запис в папката „{}“";
inline constexpr std::string_view CannotCreate = "файлът не може да бъде създаден";
inline constexpr std::string_view WriteUnfinished = "записът не завърши; може би дискът е пълен";
inline constexpr std::string_view NotSaved = "Файлът „{}“ не беше записан: {}.";

} // namespace lodarix::motion_texts
