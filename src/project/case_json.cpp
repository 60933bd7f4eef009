#include "project/case_json.h"

#include <nlohmann/json.hpp>

#include "report/message_list.h"
#include "util/codepage.h"

namespace zel3 {

namespace {

// Field order as documented, so that people reading the output find their way.
using Json = nlohmann::ordered_json;

const char* KindName(BodyKind kind) {
    switch (kind) {
        case BodyKind::Sphere:
            return "sphere";
        case BodyKind::Cylinder:
            return "cylinder";
        case BodyKind::Special:
            return "special";
        case BodyKind::Plane:
            return "plane";
    }
    return "";
}

Json BodyJson(const ContactBody& b) {
    Json j;
    j["kind"] = KindName(b.kind);
    j["rx"] = b.rx;
    j["ry"] = b.ry;
    j["sphereDiameter"] = b.sphereDiameter;
    j["cylinderDiameter"] = b.cylinderDiameter;
    j["cylinderLength"] = b.cylinderLength;
    j["E"] = b.E;
    j["nu"] = b.mue;
    j["Rm"] = b.Rm;
    j["Re"] = b.Re;
    j["pHstat"] = b.pHstat;
    j["pHdyn"] = b.pHdyn;
    j["material"] = OemToUtf8(b.materialName);
    return j;
}

Json ResultsJson(const ContactResults& r, CalculationMethod method) {
    Json j;
    j["Estar"] = r.Estar;
    j["a1"] = r.a1;
    j["a2"] = r.a2;
    j["w"] = r.w;
    j["pmax"] = r.pmax;
    j["R"] = r.R;
    j["pzul"] = r.pzul;
    j["z"] = r.z;
    j["tau"] = r.tau;
    j["sigmaZ"] = r.sigmaZ;
    j["sigmaY"] = r.sigmaY;
    j["Eht"] = r.Eht;
    j["Rht"] = r.Rht;
    j["theta"] = r.theta;
    if (method == CalculationMethod::Exact) {
        j["sigmaX"] = r.sigmaX;
        j["vonMises"] = r.vonMises;
        j["zVonMises"] = r.zVonMises;
    }
    return j;
}

// A file name from the command line need not be valid UTF-8: such bytes are replaced rather
// than losing the whole line.
std::string OneLine(const Json& j) {
    return j.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
}

}  // namespace

const char* MethodName(CalculationMethod method) {
    return method == CalculationMethod::Exact ? "exact" : "table";
}

std::string CaseJson(const std::string& file, const ContactCase& c, const MessageList& messages) {
    Json j;
    j["file"] = file;
    j["method"] = MethodName(c.method);
    j["failed"] = messages.calculationFailed;
    Json findings = Json::array();
    for (int i = 1; i <= messages.MessageCount(); ++i) {
        findings.push_back(OemToUtf8(messages.MessageText(i)));
    }
    j["findings"] = std::move(findings);
    j["F"] = c.F;
    j["angle"] = c.principalAngle;
    j["bodies"] = Json::array({BodyJson(c.body[0]), BodyJson(c.body[1])});
    j["results"] = ResultsJson(c.result, c.method);
    return OneLine(j);
}

std::string UnreadableCaseJson(const std::string& file, CalculationMethod method,
                               const std::string& error) {
    Json j;
    j["file"] = file;
    j["method"] = MethodName(method);
    j["failed"] = true;
    j["error"] = error;
    j["findings"] = Json::array();
    return OneLine(j);
}

}  // namespace zel3
