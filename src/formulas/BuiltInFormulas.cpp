#include "formulas/BuiltInFormulas.h"

namespace zyk {
namespace {

// Bytes 0xB2 (square), 0xB3 (cube) and 0xB7 (function mark) are written as escapes; a literal is
// split where an escape is followed by a letter that would read as one more hex digit.
constexpr std::array<BuiltInFormula, kBuiltInFormulaCount> kFormulas = {{
    {"None", "No selected formula", ""},
    {"Quadratic Equation", "ax\xB2+bx+c=0", ""},
    {"Cosine law",
     "a\xB2=b\xB2+c\xB2-2bc\xB7"
     "cos A",
     ""},
    {"Sine law", "a/\xB7sin A=b/\xB7sin B=c/\xB7sin C=2R", ""},
    {"Heron's law", "S=\xB7sqrt(s(s-a)(s-b)(s-c))", ""},
    {"Doppler effect (sound)", "f=f0(v-u)/(v-v0)", ""},
    {"Doppler effect (light)", "f=f0 \xB7sqrt((c-v)/(c+v))", ""},
    {"Rectangular -> polar coordinates",
     "r=\xB7sqrt(x\xB2+y\xB2), A=\xB7"
     "arctan y/x",
     ""},
    {"Polar -> rectangular coordinates",
     "x=r\xB7"
     "cos A, y=r\xB7sin A",
     ""},
    {"Average acceleration", "a=(v2-v1)/(t2-t1)", ""},
    {"Moving distance", "S=vt+at\xB2/2", "[S]=[v][t]+[a][t]\xB2/2"},
    {"Free fall distance", "S=vt+{g}t\xB2/2", "[S]=[v][t]+{g}[t]\xB2/2"},
    {"Universal gravitation", "F=GMm/r\xB2", "[F]={G}[M][m]/[r]\xB2"},
    {"Triangle area (1)", "S=bc\xB7sin A/2", "[S]=[b][c]\xB7sin[A]/2"},
    {"Triangle area (2)", "S=ah/2", "[S]=[a][h]/2"},
    {"Rectangle area", "S=ab", "[S]=[a][b]"},
    {"Parallelogram area (1)", "S=ah", "[S]=[a][h]"},
    {"Parallelogram area (2)", "S=ab\xB7sin A", "[S]=[a][b]\xB7sin[A]"},
    {"Trapezoid area", "S=(a+b)h/2", "[S]=([a]+[b])[h]/2"},
    {"Circle area", "S={pi}*r\xB2", "[S]={pi}*[r]\xB2"},
    {"Sector area (1)", "S=rl/2", "[S]=[r][l]/2"},
    {"Sector area (2)",
     "S={pi}r\xB2"
     "A/360",
     "[S]={pi}[r]\xB2[A]/360"},
    {"Ellipse area", "S={pi}ab", "[S]={pi}[a][b]"},
    {"Sphere volume", "V=4{pi}r\xB3/3", "[V]=4{pi}[r]^3/3"},
    {"Sphere area", "S=4{pi}r\xB2", "[S]=4{pi}[r]\xB2"},
    {"Cylinder volume", "V={pi}r\xB2h", "[V]={pi}[r]\xB2[h]"},
    {"Cylinder lateral area", "S=2{pi}rh", "[S]=2{pi}[r][h]"},
    {"Pyramid volume", "V=Ah/3", "[V]=[A][h]/3"},
    {"Cone volume", "V={pi}r\xB2h/3", "[V]={pi}[r]\xB2[h]/3"},
    {"Cone lateral area", "S={pi}rs", "[S]={pi}[r][s]"},
    {"Permutation", "P=n!/(n-r)!", "[P]=[n]!/([n]-[r])!"},
    {"Combination", "C=n!/(r!(n-r)!)", "[C]=[n]!/([r]!([n]-[r])!)"},
    {"Period of circular motion (1)", "T=2{pi}/w", "[T]=2{pi}/[w]"},
    {"Period of circular motion (2)", "T=2{pi}r/v", "[T]=2{pi}[r]/[v]"},
    {"Period of circular motion (3)", "T=1/f", "[T]=1/[f]"},
    {"Period of spring", "T=2{pi}\xB7sqrt(m/k)", "[T]=2{pi}\xB7sqrt([m]/[k])"},
    {"Period of simple pendelum", "T=2{pi}\xB7sqrt(l/{g})", "[T]=2{pi}\xB7sqrt([l]/{g})"},
    {"Centrifugal force (1)", "F=mrw\xB2", "[F]=[m][r][w]\xB2"},
    {"Centrifugal force (2)", "F=mv\xB2/r", "[F]=[m][v]\xB2/[r]"},
    {"Potential energy", "U=m{g}h", "[U]=[m]{g}[h]"},
    {"Kinetic energy", "U=mv\xB2/2", "[U]=[m][v]\xB2/2"},
    {"Elastic energy", "U=kx\xB2/2", "[U]=[k][x]\xB2/2"},
    {"Rotational kinetic energy", "E=Iw\xB2/2", "[E]=[I][w]\xB2/2"},
    {"Sound intensity", "I=P/(4{pi}r\xB2)", "[I]=[P]/(4{pi}[r]\xB2)"},
    {"Coulomb's law", "F=Qq/(4{pi}{e_0}r\xB2)", "[F]=[Q][q]/(4{pi}{e_0}[r]\xB2)"},
    {"Frequency of LC-circuit", "f=1/(2{pi}\xB7sqrt(LC))", "[f]=1/(2{pi}\xB7sqrt([L][C]))"},
    {"Electric field", "E=Q/(4{pi}{e_0}r\xB2)", "[E]=[Q]/(4{pi}{e_0}[r]\xB2)"},
    {"Impedance of LR-ciruit", "Z=\xB7sqrt(R\xB2+(2{pi}fL)\xB2)",
     "[Z]=\xB7sqrt([R]\xB2+(2{pi}[f][L])\xB2)"},
    {"Impedance of RC_circuit", "Z=\xB7sqrt(R\xB2+1/(2{pi}fC)\xB2)",
     "[Z]=\xB7sqrt([R]\xB2+1/(2{pi}[f][C])\xB2)"},
    {"Impedance of LRC-circuit", "Z=\xB7sqrt(R\xB2+(2{pi}fL-1/(2{pi}fC))\xB2)",
     "[Z]=\xB7sqrt([R]\xB2+(2{pi}[f][L]-1/(2{pi}[f][C]))\xB2)"},
    {"Impedance of LRC-parallel circuit", "Z=1/\xB7sqrt((1/R)\xB2+(2{pi}fC-1/(2{pi}fL))\xB2)",
     "[Z]=1/\xB7sqrt((1/[R])\xB2+(2{pi}[f][C]-1/(2{pi}[f][L]))\xB2)"},
}};

// Indexes 1-9. For 5-8 the solver text differs from the list's display form in spacing.
constexpr std::array<SpecialFormulaSetup, kLastSpecialFormulaIndex> kSpecialSetups = {{
    {"ax\xB2+bx+c=0", {"a", "b", "c"}, 3},
    {"a\xB2=b\xB2+c\xB2-2bc\xB7"
     "cos A",
     {"b", "c", "A"},
     3},
    {"a/\xB7sin A=b/\xB7sin B=c/\xB7sin C=2R", {"b", "A", "B"}, 3},
    {"S=\xB7sqrt(s(s-a)(s-b)(s-c))", {"a", "b", "c"}, 3},
    {"f=f0 (v-u)/(v-v0)", {"f0", "v", "u", "v0"}, 4},
    {"f=f0\xB7sqrt((c-v)/(c+v))", {"f0", "v"}, 2},
    {"r=\xB7sqrt(x\xB2+y\xB2) ,  A=\xB7"
     "arctan y/x",
     {"x", "y"},
     2},
    {"x=r\xB7"
     "cos A ,  y=r\xB7sin A",
     {"r", "A"},
     2},
    {"a=(v2-v1)/(t2-t1)", {"v2", "v1", "t2", "t1"}, 4},
}};

}  // namespace

std::span<const BuiltInFormula, kBuiltInFormulaCount> BuiltInFormulas() {
    return kFormulas;
}

std::optional<SpecialFormulaSetup> SpecialSetup(int index) {
    if (!IsSpecialFormulaIndex(index)) {
        return std::nullopt;
    }
    return kSpecialSetups[static_cast<std::size_t>(index - kFirstSpecialFormulaIndex)];
}

}  // namespace zyk
