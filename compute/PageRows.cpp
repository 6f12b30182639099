#include "PageRows.h"

namespace taldor {

int LabelTop(int row, int group) { return 24 * row + 8 * group + 8; }
int ControlTop(int row, int group) { return 24 * row + 8 * group + 4; }

namespace {

constexpr CategoryRow kStructureCategory{"lblCateN2Estr", "STRUCTURE", 1, 1};

}  // namespace

PageRows StructureRows(std::int32_t code) {
    switch (code) {
        case 11:
            return {{{Box::EstrAltuSaltFond, 1, 1, false}, {Box::EstrLongPlat, 2, 1, false}},
                    {kStructureCategory}};
        case 12:
            return {{{Box::EstrAltuAper, 1, 1, false}, {Box::EstrLongPlat, 2, 1, false}},
                    {kStructureCategory}};
        case 21:
            return {{{Box::EstrLongEstr, 1, 1, false},
                     {Box::EstrAnchEstr, 2, 1, false},
                     {Box::EstrLongPlat, 3, 1, false}},
                    {kStructureCategory}};
        case 22:
            return {{{Box::EstrAnchPila, 1, 1, false}, {Box::EstrLongPila, 2, 1, false}},
                    {kStructureCategory}};
        case 31:
            return {{{Box::EstrDiamAper, 1, 1, false}, {Box::EstrCantAper, 2, 1, false}},
                    {kStructureCategory}};
        default:
            return {};
    }
}

PageRows ComplementaryRows(std::int32_t code) {
    constexpr CategoryRow bed1{"lblCateN3Cauc", "RIVER BED", 1, 1};
    constexpr CategoryRow sediment1{"lblCateN3Sedi", "SEDIMENT", 1, 1};
    constexpr CategoryRow flow3{"lblCateN3Fluj", "FLOW", 3, 2};
    switch (code) {
        case 111:
        case 121:
            return {{{Box::CaucPoro, 1, 1, false}, {Box::EstrCoefMannPlat, 2, 2, false}},
                    {bed1, {"lblCateN3Estr", "STRUCTURE", 2, 2}}};
        case 122:
            return {{{Box::SediDiam90N3, 1, 1, false},
                     {Box::SediAnguRepo, 2, 1, true},
                     {Box::FlujDifeCargRest, 3, 2, false}},
                    {sediment1, flow3}};
        case 1121:
        case 1122:
            return {{{Box::SediDiam90N3, 1, 1, false},
                     {Box::SediAnguRepo, 2, 1, true},
                     {Box::FlujDifeCargRest, 3, 2, false},
                     {Box::FlujAnguChorSupeLibr, 4, 2, false}},
                    {sediment1, flow3}};
        case 212:
            return {{{Box::EstrFactCurv, 1, 1, true},
                     {Box::EstrFactFormKs, 2, 1, true},
                     {Box::EstrFactAngu, 3, 1, true},
                     {Box::EstrFactPoro, 4, 1, true},
                     {Box::EstrFactFormKb, 5, 1, true},
                     {Box::EstrFactFormKl, 6, 1, true}},
                    {{"lblCateN3Estr", "STRUCTURE", 1, 1}}};
        case 22:
            return {{{Box::SediDiam84N3, 1, 1, false},
                     {Box::SediAnguRepo, 2, 1, true},
                     {Box::EstrFactFormKs, 3, 2, true},
                     {Box::EstrFactGrup, 4, 2, true},
                     {Box::EstrAnguAtaq, 5, 2, false}},
                    {sediment1, {"lblCateN3Estr", "STRUCTURE", 3, 2}}};
        case 31:
            return {{{Box::SediDiam90N3, 1, 1, false}}, {sediment1}};
        default:
            return {};
    }
}

std::vector<PlacedControl> PlaceRows(const PageRows& rows) {
    std::vector<PlacedControl> placed;
    for (const InputRow& r : rows.inputs) {
        placed.push_back({LabelName(r.box), LabelTop(r.row, r.group)});
        placed.push_back({EditName(r.box), ControlTop(r.row, r.group)});
        placed.push_back({UnitLabelName(r.box), LabelTop(r.row, r.group)});
        if (r.picker) placed.push_back({Info(r.box).picker, ControlTop(r.row, r.group)});
    }
    for (const CategoryRow& c : rows.categories) {
        placed.push_back({c.name, LabelTop(c.row, c.group)});
    }
    return placed;
}

}  // namespace taldor
