#pragma once
// The problem state record, the numeric helpers shared by every formula, and the flow and
// sediment fundamentals that every calculation computes first.

#include <cstdint>
#include <string>
#include <vector>

#include "Real.h"

namespace taldor {

// Everything one calculation needs and produces: the classification, the inputs in SI units
// (metres, seconds, kilograms; angles in degrees where noted), the intermediates and the results.
// Time scales are in hours. One record belongs to one calculation window.
struct ProblemState {
    // Classification (decision tree answers and the problem code derived from them).
    std::int32_t ProbCodi = 0;
    std::uint8_t ClasFeno = 0;  // dominant phenomenon: 0, 1, 2
    std::uint8_t ClasObst = 0;  // obstacle: 3 .. 7
    std::uint8_t ClasChor = 0;  // jet: 8, 9
    bool ClasPlatSufi = false;  // bed protection long enough

    // Global data.
    double AguaDens = 0;          // water density [kg/m3]
    double AguaTemp = 0;          // ambient temperature [degC]
    double SediDensMate = 0;      // sediment density [kg/m3]
    double SediDiamMedi = 0;      // d50 [m]
    double ForzAcelGrav = 0;      // g [m/s2]
    double FlujCaud = 0;          // discharge Q [m3/s]
    double CaucAnchCauc = 0;      // river width B [m]
    double CaucCoefMannCauc = 0;  // Manning n of the river bed [s/m^(1/3)]
    double AltuRugoCauc = 0;      // roughness height ks [m]

    // Local data.
    double FlujTiraRest = 0;  // flow depth h next to the structure [m]

    // Structure data.
    double EstrAltuSaltFond = 0;  // bottom jump D [m]
    double EstrLongPlat = 0;      // bed protection length L [m]
    double EstrAltuAper = 0;      // opening height a [m]
    double EstrLongEstr = 0;      // longitudinal extension of a spur dike [m]
    double EstrAnchEstr = 0;      // transversal extension Lt [m]
    double EstrAnchPila = 0;      // pier width b [m]
    double EstrLongPila = 0;      // pier length Lp [m]
    double EstrDiamAper = 0;      // pipe diameter D [m]
    double EstrCantAper = 0;      // number of pipes N [-]

    // Complementary data.
    double SediDiam90N3 = 0;          // d90 [m]
    double SediDiam84N3 = 0;          // d84 [m]
    double SediAnguRepo = 0;          // angle of repose [deg]
    double FlujDifeCargRest = 0;      // head difference dH [m]
    double FlujAnguChorSupeLibr = 0;  // jet angle to the free surface [deg]
    double CaucPoro = 0;              // porosity of the bed [-]
    double EstrCoefMannPlat = 0;      // Manning n of the bed protection [s/m^(1/3)]
    double EstrFactFormKs = 0;
    double EstrFactFormKb = 0;
    double EstrFactFormKl = 0;
    double EstrFactCurv = 0;
    double EstrFactAngu = 0;
    double EstrFactPoro = 0;
    double EstrFactGrup = 0;
    double EstrAnguAtaq = 0;  // angle of attack on a pier [deg]

    // Fundamentals.
    double AguaViscCine = 0;      // kinematic viscosity [m2/s]
    double CaudEspe = 0;          // specific discharge q [m2/s]
    double SediDensRela = 0;      // relative density Delta [-]
    double SediDiamAdim = 0;      // dimensionless grain diameter D* [-]
    double OutpParaMoviCrit = 0;  // critical Shields parameter [-]
    double SediVeloCortCrit = 0;  // critical shear velocity [m/s]
    double CaucCoefChez = 0;      // Chezy coefficient [m^(1/2)/s]
    double FlujRelaVeloCort = 0;  // sqrt(g)/C [-]
    double FlujVeloMedi = 0;      // mean velocity U [m/s]
    double FlujVeloCort = 0;      // shear velocity [m/s]
    double OutpParaMovi = 0;      // Shields mobility factor [-]
    double FlujNumeFrou = 0;      // Froude number [-]
    double FlujNumeReyn = 0;      // Reynolds number [-]
    double OutpVeloCritEros = 0;  // critical erosion velocity Uc [m/s]

    // Problem-specific intermediates.
    double FlujVeloChor = 0;
    double FlujEspeChor = 0;
    double FlujNumeFrouChor = 0;
    double FlujVeloAper = 0;
    double SediCoefGran = 0;
    double OutpInteRelaTurb = 0;
    double FlujCoefAlfa = 0;
    double FlujCoefAlfaDiet = 0;
    double TiemCara = 0;  // characteristic time t1 [h]
    double EstrAltuObst = 0;
    double EstrCoefChezPlat = 0;
    double EstrRelaVeloCortPlat = 0;
    double FlujFactChez = 0;
    double EstrRelaCont = 0;
    double EstrFactTota = 0;
    double SediCoefGrad = 0;
    double SediFactGrad = 0;
    double EstrFactAnguPila = 0;

    // Outputs.
    double OutpErosMaxi1 = 0;
    double OutpErosMaxi2 = 0;
    double OutpErosMaxi3 = 0;
    double OutpErosMaxi4 = 0;
    double OutpErosMaxiLech = 0;
    double OutpLongFall1 = 0;
    double OutpLongFall2 = 0;
    double OutpLongFall3 = 0;
    double OutpPendTalu = 0;  // upstream slope of the scour hole [deg]
    double OutpCaudSoliFond = 0;
    double OutpCaudSoliSusp = 0;
    double OutpCaudSoliTota = 0;
};

// Name and member of every floating-point field, in record order (for listings and tests).
struct RealField {
    const char* name;
    double ProblemState::*member;
};
const std::vector<RealField>& RealFields();

// Power(base, exponent) = exp(exponent * ln base), and 0 for a non-positive base.
Real Power(Real base, Real exponent);
// ln x / ln 10.
Real Log10(Real x);
// (e^x - e^-x) / (e^x + e^-x). Beyond |x| = 20 the quotient is +-1 to double precision, and
// that is returned without forming e^x, which would overflow for |x| > 709.
Real Tanh(Real x);
// Degrees to radians: x * 2 pi / 360.
Real Rad(Real x);
// Fixed-point text of x with exactly `decimals` digits after ".", rounded to nearest with halves
// away from zero (0.125 -> "0.13"), "-" for negative values, no exponent, no separators.
std::string FormatFixed(double x, int decimals);

// Steps 1 to 6 of the fundamentals: viscosity, specific discharge, relative density, D*,
// critical Shields parameter and critical shear velocity. Reads the global and local data.
void ComputeFundamentalsBeforeRoughness(ProblemState& s);
// Step 7 when the roughness height is given: n from ks (AltuRugoCauc, in metres) and h.
void ManningFromRoughnessHeight(ProblemState& s);
// Steps 8 to 15: Chezy coefficient, velocities, Shields mobility, Froude, Reynolds, Uc.
void ComputeFundamentalsAfterRoughness(ProblemState& s);

// Critical Shields parameter after van Rijn's curve, by ranges of D*; each range includes its
// upper end.
Real CriticalShields(Real dStar);

}  // namespace taldor
