#!/usr/bin/env python3
"""Reference values for the exact Hertz method, computed independently of ZEL3.

  exact_reference.py            print the reference tables recorded in exact_contact_test.cpp
  exact_reference.py --check    check the closed-form stresses below an elliptic Hertz pressure
                                against a brute-force integration of Boussinesq's point-load
                                solution over the pressure (run by ctest)

Contact ellipse: Johnson, Contact Mechanics (1985), eq. 3.64: with e^2 = 1 - (b/a)^2,
  B/A = ((a/b)^2 E(e) - K(e)) / (K(e) - E(e)),  A = 3P (K - E) / (2 pi E' e^2 a^3),
  p0 = 3P / (2 pi a b),  delta = 3 P K(e) / (2 pi a E');
solved here with mpmath's ellipk/ellipe and findroot at 30 digits.

Stresses on the axis below the centre: the closed forms in Carlson's R_D evaluated with
mpmath.elliprd at 30 digits; the depth of each maximum from findroot on the derivative.
The point-load solution of the check is Johnson eq. 3.18 (tensile positive).
"""
import math
import sys

import mpmath as mp

mp.mp.dps = 30


def contact_modulus(E1, nu1, E2, nu2):
    return 1 / ((1 - mp.mpf(nu1) ** 2) / E1 + (1 - mp.mpf(nu2) ** 2) / E2)


def ellipse(A, B, P, Es):
    """a (major), b, p0, delta for the relative curvatures A <= B."""
    A, B, P, Es = map(mp.mpf, (A, B, P, Es))
    if A == B:
        a = mp.cbrt(3 * P / (4 * Es * (A + B)))  # R = 1/(A+B): a^3 = 3PR/(4E')
        return a, a, 3 * P / (2 * mp.pi * a * a), a * a * (A + B)

    def ratio(t):  # t = ln(b/a)
        k2 = mp.exp(2 * t)
        m = 1 - k2
        K, E = mp.ellipk(m), mp.ellipe(m)
        return mp.log((E / k2 - K) / (K - E)) - mp.log(B / A)

    t0 = mp.log(mp.mpf(A / B) ** (mp.mpf(2) / 3))
    t = mp.findroot(ratio, t0, tol=mp.mpf(10) ** -28)
    k = mp.exp(t)
    m = 1 - k * k
    K, E = mp.ellipk(m), mp.ellipe(m)
    a = mp.cbrt(3 * P * (K - E) / (2 * mp.pi * Es * m * A))
    b = k * a
    return a, b, 3 * P / (2 * mp.pi * a * b), 3 * P * K / (2 * mp.pi * a * Es)


def axis_stresses(z, a, b, nu):
    """sigma along a, along b, along the load axis (tensile positive, p0 = 1)."""
    z, a, b, nu = map(mp.mpf, (z, a, b, nu))
    z2 = z * z
    Aa, Ab = z2 + a * a, z2 + b * b
    J0 = mp.mpf(2) / 3 * mp.elliprd(Aa, Ab, z2)
    Ja = mp.mpf(2) / 3 * mp.elliprd(z2, Ab, Aa)
    Jb = mp.mpf(2) / 3 * mp.elliprd(z2, Aa, Ab)
    s = mp.sqrt(Aa) + mp.sqrt(Ab)
    Ma, Mb = 2 / (mp.sqrt(Aa) * s), 2 / (mp.sqrt(Ab) * s)
    sz = -a * b / mp.sqrt(Aa * Ab)
    sx = a * b / 2 * (-2 * nu * z * J0 + z * Ja - (1 - 2 * nu) * (Ma - z * Ja))
    sy = a * b / 2 * (-2 * nu * z * J0 + z * Jb - (1 - 2 * nu) * (Mb - z * Jb))
    return sx, sy, sz


def line_stresses(z, b, nu):
    """Plane strain below a Hertz strip of half-width b: across, along the strip, axis."""
    z, b, nu = map(mp.mpf, (z, b, nu))
    r = mp.sqrt(b * b + z * z)
    sx = -((b * b + 2 * z * z) / r - 2 * z) / b
    sz = -b / r
    return sx, nu * (sx + sz), sz


def tau(s):
    return (max(s) - min(s)) / 2


def von_mises(s):
    sx, sy, sz = s
    return mp.sqrt(((sx - sy) ** 2 + (sy - sz) ** 2 + (sz - sx) ** 2) / 2)


def maximum(f, z0):
    z = mp.findroot(lambda z: mp.diff(f, z), z0, tol=mp.mpf(10) ** -24)
    return z, f(z)


def stress_maxima(k, nu):
    """For b/a = k (k = 0: line contact), depths over b and values over p0."""
    if k == 0:
        field = lambda z: line_stresses(z, 1, nu)
    else:
        field = lambda z: axis_stresses(z, 1 / mp.mpf(k), 1, nu)
    zt, t = maximum(lambda z: tau(field(z)), 0.6)
    zv, v = maximum(lambda z: von_mises(field(z)), 0.6)
    sx, sy, sz = field(zt)
    return zt, t, -sx, -sy, -sz, zv, v


def print_references():
    P = 1000
    Es = contact_modulus(210000, 0.3, 210000, 0.3)
    print("// sphere-on-plane style bodies: rx = 10, ry = 10 q on a plane, steel, F = 1000")
    for q in ["1", "1.5", "3", "10", "100", "1e3", "1e4", "1e5", "1e6", "1e7"]:
        A, B = 1 / (2 * 10 * mp.mpf(q)), 1 / mp.mpf(20)
        a, b, p0, d = ellipse(A, B, P, Es)
        print("{%s, %s, %s, %s, %s}, // b/a = %s" % (q, mp.nstr(a, 17), mp.nstr(b, 17),
                                                  mp.nstr(p0, 17), mp.nstr(d, 17), mp.nstr(b / a, 4)))
    print("// ball 12.7 in a groove of radius 0.52 * 12.7 on a raceway of diameter 50, F = 2000")
    A = (1 / mp.mpf("6.35") - 1 / (mp.mpf("0.52") * mp.mpf("12.7"))) / 2
    B = (1 / mp.mpf("6.35") + 1 / mp.mpf(25)) / 2
    a, b, p0, d = ellipse(A, B, 2000, Es)
    print("groove", mp.nstr(a, 17), mp.nstr(b, 17), mp.nstr(p0, 17), mp.nstr(d, 17))
    print("// crossed cylinders r = 10 and 15 (special bodies, angle 180), steel on aluminium")
    Es2 = contact_modulus(210000, 0.3, 70000, 0.33)
    a, b, p0, d = ellipse(mp.mpf(1) / 30, mp.mpf(1) / 20, 500, Es2)
    print("crossed", mp.nstr(a, 17), mp.nstr(b, 17), mp.nstr(p0, 17), mp.nstr(d, 17))
    print("// stress maxima: b/a, nu -> z(tau)/b, tau, sigma x, y, z at z(tau), z(vM)/b, vM")
    for k, nu in [(1, 0.3), (1, 0.25), (0.5, 0.3), (0.1, 0.3), (0.01, 0.3), (0.001, 0.3),
                  (0, 0.3), (0, 0.25), (1, 0.0), (1, 0.45)]:
        print("{%s, %s, %s}," % (k, nu, ", ".join(mp.nstr(x, 15) for x in stress_maxima(k, nu))))


def boussinesq(z, a, b, nu):
    """Brute force: Johnson eq. 3.18 integrated over the Hertz pressure (p0 = 1)."""
    from scipy import integrate

    def integrand(s, phi, comp):
        c, sn = math.cos(phi), math.sin(phi)
        R = 1.0 / math.sqrt(c * c / (a * a) + sn * sn / (b * b))
        r = R * math.sin(s)
        weight = math.cos(s) * R * math.cos(s) * r  # pressure, Jacobian of r = R sin s, r dr
        rho = math.hypot(r, z)
        if comp == 2:
            return -3 * z ** 3 / (2 * math.pi * rho ** 5) * weight
        t = 1.0 / (rho * (rho + z))  # (1 - z/rho) / r^2 without cancellation
        sr = ((1 - 2 * nu) * t - 3 * z * r * r / rho ** 5) / (2 * math.pi)
        st = -(1 - 2 * nu) * (t - z / rho ** 3) / (2 * math.pi)
        w = c * c if comp == 0 else sn * sn
        return (sr * w + st * (1 - w)) * weight

    return [integrate.dblquad(lambda s, phi: integrand(s, phi, i), 0, 2 * math.pi, 0, math.pi / 2,
                              epsabs=1e-12, epsrel=1e-11)[0] for i in range(3)]


def check():
    worst = 0.0
    for a, b, zs, nu in [(1, 1, [0.48], 0.3), (1, 0.5, [0.15, 0.6], 0.3),
                         (1, 0.1, [0.08], 0.25), (1, 0.01, [0.008], 0.3)]:
        for z in zs:
            bf = boussinesq(z, a, b, nu)
            cf = axis_stresses(z, a, b, nu)
            for x, y in zip(bf, cf):
                worst = max(worst, abs(x - float(y)))
    # circular limits: surface and a known depth (Johnson eq. 3.46)
    zeta = mp.mpf("0.7")
    sx = axis_stresses(zeta, 1, 1, 0.3)[0]
    known = -(1 + mp.mpf("0.3")) * (1 - zeta * mp.atan(1 / zeta)) + 1 / (2 * (1 + zeta ** 2))
    worst = max(worst, abs(float(sx - known)))
    print("largest difference / p0:", worst)
    return 0 if worst < 1e-9 else 1


if __name__ == "__main__":
    if "--check" in sys.argv:
        sys.exit(check())
    print_references()
