// The symbol table of the calculations, in code order. Symbols follow the Russian
// handbooks: V volume flow of water, L of air, Q heat flow, Δt temperature difference.
#include "PictureLayouts.h"

#include <algorithm>
#include <iterator>

namespace zul::pictgen {
namespace {

using D = Drawing;

const CalcLayout kLayouts[] = {
    {1, "v", {"V", "d"}, D::Pipe, "$2|$r|$1"},
    {51, "d", {"V", "v"}, D::Pipe, "$r|$2|$1"},
    {52, "d", {"Q", "v", "Δt"}, D::Pipe, "$r|$2||$1"},
    {61, "d_ш", {"G", "H"}, D::Orifice, "$r|$1"},
    {62, "d_ш", {"V", "ΔP"}, D::Orifice, "$r|$1"},
    {71, "λ", {"ν", "k_э", "d", "v"}, D::PipeLength, "|$3|$4|"},
    {72, "R", {"ν", "k_э", "d", "v", "ρ"}, D::PipeLength, "|$3|$4|"},
    {73, "ΔP", {"l", "λ", "d", "v", "ρ"}, D::PipeLength, "$1|$3|$4|$r"},
    {101, "V", {"d", "v"}, D::Pipe, "$1|$2|$r"},
    {102, "V", {"Q", "Δt"}, D::Pipe, "||$r|$1"},
    {151, "Q", {"V", "Δt"}, D::Pipe, "||$1|$r"},
    {152, "Q", {"d", "v", "Δt"}, D::Pipe, "$1|$2||$r"},
    {1001, "ρ", {"t"}, D::Thermometer, "$1"},
    {1006, "v", {"L", "d"}, D::Duct, "$2|$r|$1"},
    {1007, "v", {"L", "F"}, D::DuctRect, "||$2"},
    {1012, "d", {"L", "v"}, D::Duct, "$r|$2|$1"},
    {1015, "d", {"Q", "v", "Δt"}, D::Duct, "$r|$2||$1"},
    {1016, "d", {"Q", "v", "Δt", "t"}, D::Duct, "$r|$2||$1"},
    {1022, "L", {"d", "v"}, D::Duct, "$1|$2|$r"},
    {1025, "L", {"Q", "Δt"}, D::Duct, "||$r|$1"},
    {1026, "L", {"Q", "Δt", "t"}, D::Duct, "||$r|$1"},
    {1032, "Q", {"L", "Δt"}, D::Duct, "||$1|$r"},
    {1033, "Q", {"L", "Δt", "t"}, D::Duct, "||$1|$r"},
    {1035, "Q", {"F", "v", "Δt"}, D::DuctRect, "||$1"},
    {1036, "Q", {"F", "v", "Δt", "t"}, D::DuctRect, "||$1"},
    {1042, "F", {"L", "v"}, D::DuctRect, "||$r"},
    {1045, "F", {"Q", "v", "Δt"}, D::DuctRect, "||$r"},
    {1046, "F", {"Q", "v", "Δt", "t"}, D::DuctRect, "||$r", "", "площадь сечения воздуховода, м2"},
    {2002, "d_э", {"A", "B"}, D::DuctRect, "$1|$2", "", "эквивалентный диаметр (в единицах размеров)"},
    {2003, "d_э", {"F", "П"}, D::DuctRect, "||$1", "", "эквивалентный диаметр (в единицах размеров)"},
    {2005, "d", {"F"}, D::PipeRing, "$r", "", "диаметр трубопровода, мм"},
    {2010, "F", {"d"}, D::PipeRing, "$1"},
    {2021, "m", {"D", "δ", "l"}, D::PipeRing, "$1|$2"},
    {2022, "m", {"B", "H", "δ", "l"}, D::DuctRing, "$1|$2|$3"},
    {2026, "S", {"D", "l"}, D::PipeRing, "$1"},
    {2027, "S", {"B", "H", "δ", "l"}, D::DuctRing, "$1|$2|$3"},
    {2031, "S", {"D", "δ_из", "l"}, D::PipeRing, "$1||$2"},
    {2032, "S", {"B", "H", "δ", "δ_из", "l"}, D::DuctRing, "$1|$2|$3|$4"},
    {2036, "V", {"D", "δ_из", "l"}, D::PipeRing, "$1||$2"},
    {2037, "V", {"B", "H", "δ", "δ_из", "l"}, D::DuctRing, "$1|$2|$3|$4"},
    {3005, "N", {"P", "L", "η"}, D::Fan, "$1|$2"},
    {3012, "ΔP", {"Σζ", "v", "t"}, D::Elbow, "$2|$1"},
    {3014, "ΔP", {"Σζ", "v", "ρ_см"}, D::Elbow, "$2|$1"},
    {3020, "v_кр", {"L", "M", "ρ_ч", "t", "d"}, D::Particle, "|$r"},
    {3021, "v_вит", {"ρ_ч", "d_ч"}, D::Particle, "$2|$r"},
    {3025, "ΔP_е", {"h", "t_н", "t_в"}, D::Building, "$1|$2|$3"},
    {3030, "q_в", {"V_зд", "V_в", "n"}, D::Building, ""},
    {3031, "Q_в", {"V_зд", "q_в", "Δt"}, D::Building, ""},
    {3051, "Q", {"F", "v", "Δt"}, D::WaterBath, "$1|$r"},
    {3052, "Q", {"F", "v", "Δt"}, D::HotPipe, "$1|$r"},
    {4005, "q_о", {"V", "F_ст", "F_пл", "p"}, D::Building, ""},
    {4010, "Q", {"V", "q", "Δt"}, D::Building, ""},
    {4021, "u", {"τ_1", "τ_2", "t_1"}, D::Elevator, "$1|$2|$3"},
    {4022, "d_г", {"G", "h_с", "u"}, D::Elevator, "$1"},
    {4023, "d_с", {"G", "H"}, D::Elevator, "$1"},
    {4024, "H", {"h_с", "u"}, D::Elevator, ""},
    {4025, "η", {"h_с", "u", "H"}, D::Elevator, ""},
    {4030, "Δt_ср", {"Δt_б", "Δt_м"}, D::TempGraph, "$1|$2"},
    {5001, "L_A", {"L_i"}, D::Octaves, "", "L_A=10*lg(SUM 10^(0.1*(Li+Ki)))"},
    {5002, "L", {"L_i"}, D::Octaves, "", "L=10*lg(SUM 10^(0.1*Li))"},
    {6002, "q", {"q_0", "α"}, D::Tap, "$r"},
    {6003, "q", {"q_hr,u", "q_0", "U"}, D::Tap, "$r",
     "q=5*X2*alpha;PN=X1*X3/(3600*X2);α=0.777*(PN-0.015)^0.686+0.2|при PN ≥ 0.015, иначе α = 0.2"},
    {6010, "P", {"q_hr,u", "q_0", "U", "N"}, D::Tap, ""},
    {6011, "α", {"PN"}, D::Tap, "",
     "α=0.2|при PN < 0.015;α=0.777*(X1-0.015)^0.686+0.2|при PN ≥ 0.015", "безразмерный коэффициент"},
    {7010, "t_F", {"t_C"}, D::Thermometer, "$1"},
    {7011, "t_C", {"t_F"}, D::Thermometer, "$1"},
    {7022, "r", {"t"}, D::Thermometer, "$1"},
    {7023, "P_б", {"H", "t"}, D::Mountain, "$1|$r"},
    {7024, "I", {"t", "d"}, D::MoistAir, "$1|$2"},
    {7025, "p_п", {"P_б", "d"}, D::MoistAir, "|$2"},
    {7026, "φ", {"P_б", "d", "p_н"}, D::MoistAir, "|$2"},
    {7027, "c", {"d"}, D::MoistAir, "|$1"},
    {7051, "p_н", {"t"}, D::MoistAir, "$1"},
    {7052, "p_н", {"P_б", "d", "φ"}, D::MoistAir, "|$2"},
    {7056, "d", {"P_б", "p_н", "φ"}, D::MoistAir, "|$r"},
    {7057, "d", {"P_б", "p_п"}, D::MoistAir, "|$r"},
    {7058, "d", {"I", "t"}, D::MoistAir, "$2|$r"},
    {8011, "B", {"Q_н", "Q", "η", "q_4"}, D::Boiler, "$r|$2"},
    {8012, "B", {"Q_н", "D", "η", "q_4", "i_п", "i_пв"}, D::Boiler, "$r|$2"},
    {8020, "V_д", {"B", "V_г", "t_г", "q_4"}, D::SmokeFan, "|$r"},
    {8021, "H", {"P_б", "S", "t_н", "t_г"}, D::Chimney, "$r"},
    {8022, "F", {"B", "V_г", "t_г", "q_4", "w"}, D::Chimney, "|$5", "", "площадь выходного сечения дымовой трубы, м2"},
    {50001, "N", {"M_1", "N_1", "M_2", "N_2", "Y"}, D::Graph, "$1|$5|$3", "", "искомое значение при аргументе Y"},
    {50011, "L", {"x_1", "y_1", "x_2", "y_2"}, D::Points, "A|B|L"},
    {50012, "L", {"x_1", "y_1", "z_1", "x_2", "y_2", "z_2"}, D::Points, "A|B|L"},
    {50026, "S", {"a", "b", "c"}, D::Triangle, "a|b|c|γ", "S=(p*(p-X1)*(p-X2)*(p-X3))^0.5;p=(X1+X2+X3)/2"},
    {50027, "S", {"a", "b", "γ"}, D::Triangle, "a|b|c|γ"},
    {50030, "a", {"α", "b", "β"}, D::Triangle, "a|b|c|γ"},
    {50031, "c", {"a", "b", "γ"}, D::Triangle, "a|b|c|γ"},
    {50032, "S_тр", {"a", "b", "h"}, D::Triangle, "a|b|c|γ"},
    {50102, "S", {"a", "b", "h"}, D::Box3D, "$1|$2|$3"},
    {50104, "S_бок", {"R", "H"}, D::Cylinder, "R|H"},
    {50106, "S_полн", {"R", "H"}, D::Cylinder, "R|H"},
    {50108, "V", {"R", "H"}, D::Cylinder, "R|H"},
    {50110, "S_бок", {"R", "l"}, D::Cone, "R|l|h"},
    {50112, "S_полн", {"R", "l"}, D::Cone, "R|l|h"},
    {50114, "V", {"R", "h"}, D::Cone, "R|l|h"},
    {50116, "S", {"R"}, D::Sphere, "R"},
    {50118, "V", {"R"}, D::Sphere, "R"},
    {50201, "C", {"n", "k"}, D::Balls, "n|k"},
};

const SharedPictureLayout kShared[] = {
    {"Rasst", "Расстояние между точками",
     "L — расстояние между точками A и B;x_1, y_1, z_1 — координаты точки A;"
     "x_2, y_2, z_2 — координаты точки B (z — в пространстве)"},
    {"FSTr", "Площадь треугольника и трапеции",
     "S, S_тр — площадь треугольника, трапеции;a, b, c — стороны (a, b — основания трапеции);"
     "γ, p, h — угол между a и b, полупериметр, высота"},
    {"SinCos", "Теоремы синусов и косинусов",
     "a, b, c — стороны треугольника;α, β, γ — углы против сторон a, b, c"},
    {"Cilindr", "Цилиндр",
     "S_бок, S_полн — боковая и полная поверхность;V — объем цилиндра;R, H — радиус основания, высота"},
    {"Konus", "Конус",
     "S_бок, S_полн — боковая и полная поверхность;V — объем конуса;R, l, h — радиус основания, образующая, высота"},
    {"Shar", "Шар", "S, V — поверхность и объем шара;R — радиус шара"},
    {"CondCF", "Шкалы температуры Цельсия и Фаренгейта",
     "t_C — температура по шкале Цельсия, °C;t_F — температура по шкале Фаренгейта, °F"},
    {"PdB-dBA", "Перевод уровня шума из дБ в дБА",
     "L_A — уровень шума, дБА;L_i — уровень в i-й октавной полосе (62.5 … 8000 Гц), дБ;"
     "K_i — поправка шумомера для полосы i (из настроек), дБ"},
    {"SdBdBA", "Суммарный уровень шума",
     "L — суммарный уровень шума, дБ или дБА;L_i — уровень в i-й октавной полосе, дБ или дБА"},
};

struct TopicRow {
    const char* picture;
    Drawing drawing;
};

const TopicRow kTopics[] = {
    {"ZShum", D::SoundWaves}, {"ZAerodin", D::Duct},     {"ZSkorVz", D::Duct},    {"ZDVzd", D::Duct},
    {"ZDVP", D::Duct},        {"ZEqvFs", D::DuctRect},   {"ZFsVP", D::DuctRect},  {"ZLVz", D::Duct},
    {"ZLVP", D::Duct},        {"ZdPvs", D::Elbow},       {"ZGidravl", D::Pipe},   {"ZDiam", D::PipeRing},
    {"ZDShb", D::Orifice},    {"ZRash", D::Pipe},        {"ZdP-L", D::PipeLength}, {"ZInjGeom", D::Solids},
    {"ZEqvDiam", D::DuctRect}, {"ZGeom-t", D::PipeRing}, {"ZHeat", D::Radiator}, {"ZTP", D::Radiator},
    {"ZElev", D::Elevator},   {"ZVent", D::Fan},         {"ZTeppost", D::WaterBath}, {"ZTPLT", D::Duct},
    {"ZTPFVT", D::DuctRect},  {"ZCond", D::Drop},        {"ZDNas", D::MoistAir},  {"ZVlag-d", D::MoistAir},
    {"ZVik", D::Tap},         {"ZRRV-p", D::Tap},        {"ZTGU", D::Chimney},    {"ZChRT", D::Boiler},
    {"ZMatem", D::Graph},     {"ZSTr", D::Triangle},
};

const SettingSymbol kSettings[] = {
    {"{Ro-Voda}", "ρ_в", "плотность воды (из настроек), кг/м3"},
    {"{Cm-Voda}", "c_в", "массовая теплоемкость воды (из настроек), кДж/(кг °С)"},
    {"{Cm-Vozd}", "c_р", "массовая теплоемкость воздуха (из настроек), кДж/(кг °С)"},
    {"{Cv-Vozd}", "c′", "объемная теплоемкость воздуха (из настроек), кДж/(м3 °С)"},
    {"{RoMatTrub}", "ρ_м", "плотность материала трубы (из настроек), кг/м3"},
};

}  // namespace

const CalcLayout* FindCalcLayout(int code) {
    auto it = std::find_if(std::begin(kLayouts), std::end(kLayouts), [code](const CalcLayout& s) { return s.code == code; });
    return it == std::end(kLayouts) ? nullptr : &*it;
}

const SharedPictureLayout* FindSharedPictureLayout(std::string_view picture) {
    for (const auto& s : kShared)
        if (picture == s.picture) return &s;
    return nullptr;
}

Drawing TopicDrawing(std::string_view picture) {
    for (const auto& t : kTopics)
        if (picture == t.picture) return t.drawing;
    return Drawing::None;
}

const SettingSymbol* FindSettingSymbol(std::string_view id) {
    for (const auto& s : kSettings)
        if (id == s.id) return &s;
    return nullptr;
}

std::string_view ExtraSymbol(std::string_view id) {
    static const std::pair<std::string_view, std::string_view> kExtra[] = {
        {"alpha", "α"}, {"Li", "L_i"}, {"Ki", "K_i"}, {"PN", "PN"}, {"p", "p"}, {"pi", "π"},
    };
    for (const auto& [from, to] : kExtra)
        if (id == from) return to;
    return id;
}

}  // namespace zul::pictgen
