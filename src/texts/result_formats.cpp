#include "texts/result_formats.h"

#include "calendar/lunar_calendar.h"
#include "texts/basis_texts.h"
#include "texts/result_texts.h"

#include <nlohmann/json.hpp>

namespace bazi {

std::string_view reckonedMarkText(CivilDate date) {
    return isReckonedLunarDate(date) ? " 推算" : "";
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string queryResultJson(const QueryResult& result, const BasisWindow* window, int nearMinutes) {
    using Json = nlohmann::ordered_json;
    const auto message = outcomeMessage(result.outcome);
    Json doc;
    doc["conditions"] = result.conditionCount;
    doc["matches"] = result.matchCount();
    doc["status"] = kFinishedStatus;
    doc["summary"] = summaryText(result.conditionCount, result.matchCount());
    doc["message"] = message ? Json(*message) : nullptr;
    doc["page"] = result.outcome == QueryOutcome::matches ? Json(kResultPageName) : nullptr;
    doc["rows"] = Json::array();
    for (const QueryMatch& match : result.matches) {
        const ResultRow row = resultRowOf(match);
        Json r;
        r["moment"] = isoMomentText(row.moment);
        r["gregorian"] = row.gregorian;
        r["lunar"] = row.lunar;
        if (isReckonedLunarDate(row.moment.date))
            r["reckoned"] = true;
        r["chart"] = row.chart;
        if (window) {
            const BasisChart& chart = window->charts.at(row.moment);
            r["utcOffset"] = utcOffsetText(chart.clock.utcOffset);
            if (window->basis.solarTime != SolarTime::off)
                r["solarTime"] = isoMomentText(chart.reading);
            r["near"] = nearCutsJson(window->cutsNear(row.moment, nearMinutes), window->basis);
        }
        doc["rows"].push_back(std::move(r));
    }
    return doc.dump() + "\n";
}

std::string queryResultCsv(const QueryResult& result, const BasisWindow* window, int nearMinutes) {
    const bool solar = window && window->basis.solarTime != SolarTime::off;
    std::string out = "moment,gregorian,lunar,chart";
    if (window)
        out += solar ? ",utcOffset,solarTime,near" : ",utcOffset,near";
    out += '\n';
    for (const QueryMatch& match : result.matches) {
        const ResultRow row = resultRowOf(match);
        out += isoMomentText(row.moment) + "," + csvField(row.gregorian) + "," +
               csvField(row.lunar + std::string(reckonedMarkText(row.moment.date))) + "," +
               csvField(row.chart);
        if (window) {
            const BasisChart& chart = window->charts.at(row.moment);
            out += ',';
            out += utcOffsetText(chart.clock.utcOffset);
            if (solar) {
                out += ',';
                out += isoMomentText(chart.reading);
            }
            out += ',';
            out +=
                csvField(nearCutsCsvText(window->cutsNear(row.moment, nearMinutes), window->basis));
        }
        out += '\n';
    }
    return out;
}

} // namespace bazi
