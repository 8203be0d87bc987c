#include "web/motion_texts_export.h"

#include "core/texts/main_window_texts.h"
#include "core/texts/motion_window_texts.h"

#include <string_view>
#include <utility>

namespace lodarix::web {

namespace {

namespace words = motion_texts;

std::string jsonString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '\n')
            quoted += "\\n";
        else
            quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string motionTextsJson()
{
    const std::pair<std::string_view, std::string_view> texts[] = {
        {"ShowMotionWindow", texts::ShowMotionWindow},
        {"WindowTitle", words::WindowTitle},
        {"Pause", words::Pause},
        {"Continue", words::Continue},
        {"PauseTip", words::PauseTip},
        {"ContinueTip", words::ContinueTip},
        {"Step", words::Step},
        {"StepTip", words::StepTip},
        {"Interval", words::Interval},
        {"StoreyHeight", words::StoreyHeight},
        {"WholeSession", words::WholeSession},
        {"WholeSessionTip", words::WholeSessionTip},
        {"PositionGraphName", words::PositionGraphName},
        {"SpeedGraphName", words::SpeedGraphName},
        {"TimeAxis", words::TimeAxis},
        {"FloorAxis", words::FloorAxis},
        {"SpeedAxis", words::SpeedAxis},
        {"MeanSpeedOfLatest", words::MeanSpeedOfLatest},
        {"Clock", words::Clock},
        {"Paused", words::Paused},
        {"NoTripClock", words::NoTripClock},
        {"TripClock", words::TripClock},
        {"FinishedTripClock", words::FinishedTripClock},
        {"Trips", words::Trips},
        {"NumberColumn", words::NumberColumn},
        {"FromColumn", words::FromColumn},
        {"ToColumn", words::ToColumn},
        {"FloorsColumn", words::FloorsColumn},
        {"TimeColumn", words::TimeColumn},
        {"MeanSpeedColumn", words::MeanSpeedColumn},
        {"NoteColumn", words::NoteColumn},
        {"Interrupted", words::Interrupted},
        {"Running", words::Running},
        {"NoSpeed", words::NoSpeed},
        {"OneFloor", words::OneFloor},
        {"Floors", words::Floors},
        {"TripSummary", words::TripSummary},
        {"InterruptedSuffix", words::InterruptedSuffix},
        {"RunningSuffix", words::RunningSuffix},
        {"NoTripsYet", words::NoTripsYet},
        {"SaveWorkbook", words::SaveWorkbook},
        {"SaveWorkbookTip", words::SaveWorkbookTip},
        {"SaveWorkbookTitle", words::SaveWorkbookTitle},
        {"WorkbookFileName", words::WorkbookFileName},
        {"WorkbookFilter", words::WorkbookFilter},
        {"SaveCsv", words::SaveCsv},
        {"SaveCsvTip", words::SaveCsvTip},
        {"SaveCsvTitle", words::SaveCsvTitle},
        {"CsvFileName", words::CsvFileName},
        {"CsvFilter", words::CsvFilter},
        {"SaveImage", words::SaveImage},
        {"SaveImageTip", words::SaveImageTip},
        {"SaveImageTitle", words::SaveImageTitle},
        {"ImageFileName", words::ImageFileName},
        {"ImageFilter", words::ImageFilter},
        {"RecordSheet", words::RecordSheet},
        {"TripsSheet", words::TripsSheet},
        {"TimeHeading", words::TimeHeading},
        {"FloorHeading", words::FloorHeading},
        {"TargetHeading", words::TargetHeading},
        {"EventHeading", words::EventHeading},
        {"EventWordHeading", words::EventWordHeading},
        {"StartWord", words::StartWord},
        {"PickWord", words::PickWord},
        {"StepWord", words::StepWord},
        {"ArriveWord", words::ArriveWord},
        {"FromHeading", words::FromHeading},
        {"ToHeading", words::ToHeading},
        {"MeanSpeedHeading", words::MeanSpeedHeading},
        {"FolderMissing", words::FolderMissing},
        {"NotAFolder", words::NotAFolder},
        {"FolderInTheWay", words::FolderInTheWay},
        {"FileReadOnly", words::FileReadOnly},
        {"FolderNotWritable", words::FolderNotWritable},
        {"CannotCreate", words::CannotCreate},
        {"WriteUnfinished", words::WriteUnfinished},
        {"NotSaved", words::NotSaved},
    };
    std::string json = "{";
    for (const auto& [name, text] : texts) {
        if (json.size() > 1)
            json += ',';
        json += jsonString(name) + ':' + jsonString(text);
    }
    return json + '}';
}

} // namespace lodarix::web
