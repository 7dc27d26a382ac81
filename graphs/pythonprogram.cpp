#include "graphs/pythonprogram.h"

namespace graphs {

namespace {

// A file name as a Python string literal.
QString quoted(const QString& name)
{
    QString text = name;
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

const char* const program = R"py(# -*- coding: utf-8 -*-
# Vecteurs vitesse d'un projectile à partir de ses positions successives.
# Programme écrit par Tavrel TS pour la situation :
# %1
#
# Il lit les mesures du fichier %2 (placé dans le même dossier),
# trace les positions successives du centre d'inertie et, en chacune d'elles,
# le vecteur vitesse calculé à partir des positions qui l'entourent.

import os
import matplotlib.pyplot as plt

dossier = os.path.dirname(os.path.abspath(__file__))
fichier = os.path.join(dossier, %2)

# 1. Lecture des mesures. La première ligne décrit la situation, la deuxième
#    donne le nom des colonnes ; les nombres s'écrivent avec une virgule et
#    les colonnes sont séparées par des points-virgules.
t = []
x = []
y = []
with open(fichier, encoding="utf-8-sig") as f:
    lignes = f.read().splitlines()
for ligne in lignes[2:]:
    valeurs = [float(nombre.replace(",", ".")) for nombre in ligne.split(";")]
    t.append(valeurs[0])
    x.append(valeurs[1])
    y.append(valeurs[2])

# 2. Le vecteur vitesse au point i, entre les points i - 1 et i + 1 :
#    vx = (x[i+1] - x[i-1]) / (t[i+1] - t[i-1])
#    vy = (y[i+1] - y[i-1]) / (t[i+1] - t[i-1])
#    Il n'est pas calculé au premier ni au dernier point.
print("t (s) ; vx (m/s) ; vy (m/s)")
xv = []
yv = []
vx = []
vy = []
for i in range(1, len(t) - 1):
    duree = t[i + 1] - t[i - 1]
    vx_i = (x[i + 1] - x[i - 1]) / duree
    vy_i = (y[i + 1] - y[i - 1]) / duree
    xv.append(x[i])
    yv.append(y[i])
    vx.append(vx_i)
    vy.append(vy_i)
    print(f"{t[i]:.3f} ; {vx_i:.3f} ; {vy_i:.3f}".replace(".", ","))

# 3. Le tracé : les positions, puis les vecteurs vitesse à l'échelle
#    0,1 m sur le graphique pour 1 m/s.
echelle = 0.1
plt.plot(x, y, "o", color="blue", markersize=3, label="positions")
plt.quiver(xv, yv, vx, vy, angles="xy", scale_units="xy", scale=1 / echelle,
           color="red", width=0.003, label="vecteurs vitesse")
plt.gca().set_aspect("equal")
plt.xlabel("x (m)")
plt.ylabel("y (m)")
plt.title("Positions et vecteurs vitesse")
plt.grid(True)
plt.legend()
plt.savefig(os.path.join(dossier, %3))
plt.show()
)py";

} // namespace

QString pythonProgram(const QString& situation, const QString& csvFileName, const QString& pictureFileName)
{
    return QString::fromUtf8(program).arg(situation, quoted(csvFileName), quoted(pictureFileName));
}

} // namespace graphs
