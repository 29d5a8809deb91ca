// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/acidbase/mixture.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace model::acidbase {

namespace {

constexpr double pHTolerance = 1e-10;

// The [H₃O⁺] whose h − Ke/h equals a, written so that neither sign of a loses digits.
double oxoniumFor(double a) {
    const double root = std::sqrt(a * a + 4 * waterProduct);
    return a >= 0 ? (a + root) / 2 : 2 * waterProduct / (root - a);
}

// The acid-base part of the balance: C times the mean charge of the forms at log[H₃O⁺] = x.
struct Couples {
    std::span<const int> forms;
    std::span<const double> pKa;
    double total = 0; // mol/L
    int topCharge = 0;

    // Fractions of the forms at x = log10[H₃O⁺], computed on logarithms so that no power
    // overflows whatever the pH.
    void fractions(double x, double* out) const {
        const std::size_t n = forms.size();
        double logs[4];
        double sumPKa = 0;
        double top = -std::numeric_limits<double>::infinity();
        for (std::size_t j = 0; j < n; ++j) {
            if (j > 0) sumPKa += pKa[j - 1];
            logs[j] = double(n - 1 - j) * x - sumPKa;
            top = std::max(top, logs[j]);
        }
        double sum = 0;
        for (std::size_t j = 0; j < n; ++j) {
            out[j] = std::pow(10.0, logs[j] - top);
            sum += out[j];
        }
        for (std::size_t j = 0; j < n; ++j)
            out[j] /= sum;
    }

    double charge(double x) const {
        double alpha[4];
        fractions(x, alpha);
        double mean = 0;
        for (std::size_t j = 0; j < forms.size(); ++j)
            mean += double(topCharge - int(j)) * alpha[j];
        return total * mean;
    }
};

// Brent's method on a bracket [a, b] of an increasing function with f(a) < 0 < f(b).
template <class F> double brent(F f, double a, double b, double fa, double fb, double tolerance) {
    double c = a, fc = fa, d = b - a, e = d;
    for (int iteration = 0; iteration < 200; ++iteration) {
        if ((fb > 0) == (fc > 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol =
            2 * std::numeric_limits<double>::epsilon() * std::fabs(b) + tolerance / 2;
        const double half = (c - b) / 2;
        if (std::fabs(half) <= tol || fb == 0) return b;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            // Inverse quadratic interpolation, or the secant when two points coincide.
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, r = fb / fc;
                p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            p = std::fabs(p);
            if (2 * p < std::min(3 * half * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (half > 0 ? tol : -tol);
        fb = f(b);
    }
    return b;
}

bool isFormOf(std::span<const int> forms, int particle) {
    return std::find(forms.begin(), forms.end(), particle) != forms.end();
}

// A particle that only the charge balance sees: neither an ion of water nor a form.
bool isSpectator(std::span<const int> forms, int particle) {
    return particle != Particle::H3O && particle != Particle::HO && particle != Particle::H2O &&
           !isFormOf(forms, particle);
}

} // namespace

double Mixture::concentration(int particle) const {
    return particle >= 0 && particle < particleCount ? concentrations[particle] : 0;
}

double Mixture::amount(int particle) const {
    return concentration(particle) * volume;
}

double introducedAmount(const Preparation& preparation, double pouredVolume, int particle) {
    double amount = 0;
    for (const Share& share : sampleShares(preparation.titration))
        if (share.particle == particle)
            amount += share.count * preparation.sampleConcentration * preparation.sampleVolume;
    if (isTitration(preparation.titration))
        for (const Share& share : titrantShares(titrant(preparation.titration)))
            if (share.particle == particle)
                amount += share.count * preparation.titrantConcentration * pouredVolume;
    return amount;
}

std::array<double, 4> formFractions(int titration, double pH) {
    std::array<double, 4> out{};
    Couples couples{forms(titration), pKa(titration)};
    if (!couples.forms.empty()) couples.fractions(-pH, out.data());
    return out;
}

Mixture mixtureAt(const Preparation& preparation, double pouredVolume) {
    Mixture m;
    m.volume = std::max(0.0, preparation.sampleVolume) + std::max(0.0, preparation.waterVolume) +
               std::max(0.0, pouredVolume);
    if (!(m.volume > 0) || !isTitration(preparation.titration)) {
        m.concentrations[Particle::H3O] = m.concentrations[Particle::HO] = 1e-7;
        m.volume = std::max(0.0, m.volume);
        return m;
    }

    const std::span<const int> titrationForms = forms(preparation.titration);
    Couples couples{titrationForms, pKa(preparation.titration)};
    if (!titrationForms.empty()) couples.topCharge = charge(titrationForms.front());
    double fixedCharge = 0; // mol/L of charge carried by the spectator ions
    auto gather = [&](std::span<const Share> shares, double millimoles) {
        for (const Share& share : shares) {
            const double c = share.count * millimoles / m.volume;
            if (isFormOf(titrationForms, share.particle)) {
                couples.total += c;
            } else if (isSpectator(titrationForms, share.particle)) {
                m.concentrations[share.particle] += c;
                fixedCharge += charge(share.particle) * c;
            }
        }
    };
    gather(sampleShares(preparation.titration),
           preparation.sampleConcentration * preparation.sampleVolume);
    gather(titrantShares(titrant(preparation.titration)),
           preparation.titrantConcentration * std::max(0.0, pouredVolume));

    double h;
    if (couples.total > 0) {
        // The mean charge of the forms lies between the charges of the first and last forms:
        // so does the root, with h − Ke/h between these two values.
        const int bottomCharge = couples.topCharge - int(titrationForms.size()) + 1;
        const double low = std::log10(oxoniumFor(-fixedCharge - couples.total * couples.topCharge));
        const double high = std::log10(oxoniumFor(-fixedCharge - couples.total * bottomCharge));
        auto balance = [&](double x) {
            const double oxonium = std::pow(10.0, x);
            return oxonium - waterProduct / oxonium + fixedCharge + couples.charge(x);
        };
        const double fLow = balance(low), fHigh = balance(high);
        double x;
        if (fLow >= 0) {
            x = low;
        } else if (fHigh <= 0) {
            x = high;
        } else {
            x = brent(balance, low, high, fLow, fHigh, pHTolerance);
        }
        h = std::pow(10.0, x);
        double alpha[4];
        couples.fractions(x, alpha);
        for (std::size_t j = 0; j < titrationForms.size(); ++j)
            m.concentrations[titrationForms[j]] = couples.total * alpha[j];
    } else {
        h = oxoniumFor(-fixedCharge);
    }
    m.concentrations[Particle::H3O] = h;
    m.concentrations[Particle::HO] = waterProduct / h;
    m.pH = -std::log10(h);
    return m;
}

double conductivity(const Mixture& mixture) {
    // λ in mS·m²·mol⁻¹ times c in mol·m⁻³ (1000 per mol/L) gives mS·m⁻¹, a hundred mS·cm⁻¹.
    double sum = 0;
    for (int particle = 0; particle < particleCount; ++particle)
        sum += molarConductivity(particle) * mixture.concentrations[particle];
    return sum * 1000 / 100;
}

} // namespace model::acidbase
