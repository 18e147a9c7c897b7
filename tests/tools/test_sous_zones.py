"""The Metarea sub-areas' tool (tools/metareas): reading the authored rows,
the geometry of their rings, the coast corners on a shoreline made here
(GMT is not needed), and the README's list."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools", "metareas"))

import anneaux  # noqa: E402
import arbre  # noqa: E402
import geometrie  # noqa: E402
import liste_readme  # noqa: E402
import publication  # noqa: E402
import rivage  # noqa: E402
import sortie_cpp  # noqa: E402
import verification  # noqa: E402

CARRE = [(0, 0), (0, 2), (2, 2), (2, 0)]


def bloc(texte):
    return publication.lire(texte)[0]


class Coordonnees(unittest.TestCase):
    def test_published_forms(self):
        for jeton, v in (("48°27'N", 48.45), ("21.6127°W", -21.6127), ("0°E", 0.0),
                         ("35°50'S", -35.8333), ("10°05'W", -10.0833), ("180°E", 180.0),
                         ("289.55°E", 289.55), ("21°40'W", -21.6667)):
            self.assertEqual(publication.degres(jeton), v, jeton)

    def test_malformed_forms_refused(self):
        for jeton in ("48N", "48°27'", "48,5°N", "°N", "48°27'X", ""):
            with self.assertRaises(ValueError, msg=jeton):
                publication.degres(jeton)


class Lecture(unittest.TestCase):
    def test_a_row_with_its_ring(self):
        b = bloc('I/3 "East" / " Strait"\n  grade 1\n  source here\n'
                 "  label 60 -22 width 5 kept\n  ring\n"
                 "    65°N 27°30'W          draw\n"
                 "    55°N east c           coast  # to the coast\n"
                 "    54°N 1°W c along 56°N 1°W   back\n"
                 "    53°N 2°W c*           shared\n")
        self.assertEqual((b.aire, b.place, b.lignes, b.grade), ("I", 3, ["East", " Strait"], 1))
        self.assertEqual((b.etiquette, b.largeur, b.gardee), ((60.0, -22.0), 5.0, True))
        c = b.anneau
        self.assertEqual([x.marque for x in c], ["draw", "coast", "back", "shared"])
        self.assertEqual((c[0].lat, c[0].lon, c[0].cote), (65.0, -27.5, None))
        self.assertEqual((c[1].lat, c[1].lon, c[1].vers, c[1].cote), (55.0, None, "east", "c"))
        self.assertEqual((c[2].cote, c[2].long_de), ("c", (56.0, -1.0)))
        self.assertEqual(c[3].cote, "c*")

    def test_lines_given_as_they_stand_and_unnamed_rows(self):
        b = bloc("XVI/1 -\n  grade 1\n  segments\n    0°N 120°W - 0°N 80.12°W\n")
        self.assertEqual((b.lignes, b.segments), ([], [((0.0, -120.0), (0.0, -80.12))]))

    def test_faults_name_their_line(self):
        for texte, ligne in (('I/1 "A"\n  colour 3\n', 2), ('I/1 "A"\n  label 1\n', 2),
                             ('I/1 "A"\n    1°N 2°E draw\n', 2), ("  grade 1\n", 1),
                             ('I/1 "A"\n  ring\n    1°N 2°E drawn\n', 3),
                             ('I/1 "A"\n  ring\n    1°N east coast\n', 3),
                             ('I/1 A / B\n', 1)):
            with self.assertRaises(publication.ErreurLecture) as e:
                publication.lire(texte)
            self.assertTrue(str(e.exception).startswith("line %d:" % ligne), texte)


class Geometrie(unittest.TestCase):
    def test_position(self):
        self.assertEqual(geometrie.position((1, 1), CARRE), 1)
        self.assertEqual(geometrie.position((0, 1), CARRE), 0)
        self.assertEqual(geometrie.position((3, 1), CARRE), -1)

    def test_rings_not_simple(self):
        self.assertEqual(geometrie.defauts_anneau(CARRE), [])
        papillon = [(0, 0), (2, 2), (0, 2), (2, 0)]
        self.assertTrue(geometrie.defauts_anneau(papillon))
        replie = [(0, 0), (0, 2), (0, 1), (2, 1)]
        self.assertTrue(geometrie.defauts_anneau(replie))
        self.assertTrue(geometrie.defauts_anneau([(0, 0), (0, 2)]))
        self.assertTrue(geometrie.defauts_anneau([(0, 0), (0, 0), (1, 1), (1, 0)]))

    def test_sides_covered_by_pieces_along_them(self):
        a, b = (0, 0), (0, 4)
        self.assertTrue(geometrie.couvert(a, b, [((0, 4), (0, 1)), ((0, 0), (0, 1.5))]))
        self.assertTrue(geometrie.couvert(a, b, [((0, -1), (0, 5))]))
        self.assertFalse(geometrie.couvert(a, b, [((0, 0), (0, 1)), ((0, 2), (0, 4))]))
        self.assertFalse(geometrie.couvert(a, b, [((0.01, 0), (0.01, 4))]))

    def test_overlaps(self):
        voisin = [(0, 2), (0, 4), (2, 4), (2, 2)]
        coin = [(2, 2), (2, 4), (4, 4), (4, 2)]
        t = [(1, 2), (1, 3), (2, 3), (2, 2)]  # on a side of CARRE's neighbour
        self.assertFalse(geometrie.se_chevauchent(CARRE, voisin))
        self.assertFalse(geometrie.se_chevauchent(CARRE, coin))
        self.assertFalse(geometrie.se_chevauchent(CARRE, t))
        self.assertTrue(geometrie.se_chevauchent(CARRE, [(1, 1), (1, 3), (3, 3), (3, 1)]))
        self.assertTrue(geometrie.se_chevauchent(CARRE, [(0.5, 0.5), (0.5, 1), (1, 1)]))
        self.assertTrue(geometrie.se_chevauchent(CARRE, [(0, 0), (0, 1), (2, 1), (2, 0)]))
        self.assertTrue(geometrie.se_chevauchent(CARRE, list(reversed(CARRE))))

    def test_width_at_a_latitude(self):
        # A U open to the north: whole across its foot, two arms above.
        creux = [(0, 0), (4, 0), (4, 1), (1, 1), (1, 3), (4, 3), (4, 4), (0, 4)]
        self.assertAlmostEqual(geometrie.largeur(creux, 0.5, 2), 4)
        self.assertAlmostEqual(geometrie.largeur(creux, 2, 3.5), 1)
        self.assertEqual(geometrie.largeur(creux, 2, 2), 0)
        self.assertEqual(geometrie.largeur(creux, 5, 2), 0)


class Anneaux(unittest.TestCase):
    def test_drawn_sides_in_ring_order(self):
        b = bloc('I/1 "A"\n  grade 1\n  ring\n    0°N 0°E draw\n    0°N 2°E shared\n'
                 "    2°N 2°E back\n    2°N 0°E coast\n")
        self.assertEqual(anneaux.segments(b, CARRE), [((0, 0), (0, 2)), ((2, 0), (2, 2))])

    def test_room_from_the_ring(self):
        b = bloc('I/1 "A"\n  grade 1\n  label 1 1\n')
        self.assertEqual(anneaux.largeur(b, CARRE), 2)
        large = [(0, 0), (0, 50), (2, 50), (2, 0)]
        self.assertEqual(anneaux.largeur(b, large), 30)
        b.largeur = 7
        self.assertEqual(anneaux.largeur(b, CARRE), 7)

    def test_how_each_coast_corner_is_found(self):
        blocs = publication.lire(
            'I/1 "A"\n  ring\n    50°N 0°E shared\n    50°N east c coast\n'
            "    49°N 3°E c coast\n    48°N 4°E c along 48°N 0°E shared\n    48°N 0°E shared\n"
            'I/2 "B"\n  ring\n    48°N 4°E c shared\n    47°N 5°E shared\n    46°N 5°E shared\n')
        r = anneaux.recherches(blocs)
        self.assertEqual(r[(50.0, "east")].cle(), "50 east along 50 0")
        self.assertEqual(r[(49.0, 3.0)].cle(), "49 3 nearest")
        self.assertEqual(r[(48.0, 4.0)].cle(), "48 4 along 48 0")

    def test_coast_corners_said_along_two_lines_refused(self):
        blocs = publication.lire(
            'I/1 "A"\n  ring\n    48°N 4°E c along 48°N 0°E shared\n    47°N 4°E shared\n'
            '    47°N 3°E shared\nI/2 "B"\n  ring\n    48°N 4°E c along 40°N 4°E shared\n'
            "    47°N 5°E shared\n    46°N 5°E shared\n")
        with self.assertRaises(anneaux.ErreurAnneau):
            anneaux.recherches(blocs)

    def test_a_parallel_to_the_coast_needs_its_sea_side_on_it(self):
        blocs = publication.lire('I/1 "A"\n  ring\n    50°N 0°E shared\n    50°N east c coast\n'
                                 "    49°N 3°E c shared\n    49°N 0°E shared\n")
        anneaux.recherches(blocs)
        blocs[0].anneau[0].lat = 51.0
        with self.assertRaises(anneaux.ErreurAnneau):
            anneaux.recherches(blocs)

    def test_corners_not_found_yet_are_named(self):
        b = bloc('I/1 "A"\n  ring\n    50°N 0°E shared\n    50°N 3°E c coast\n    49°N 0°E shared\n')
        with self.assertRaises(anneaux.ErreurAnneau) as e:
            anneaux.points(b, anneaux.recherches([b]), {})
        self.assertIn("50 3 nearest", str(e.exception))
        cotes = anneaux.lire_cotes("# head\n50 3 nearest -> 50.01 2.99  # 0.001 km\n")
        self.assertEqual(anneaux.points(b, anneaux.recherches([b]), cotes)[1], (50.01, 2.99))

    def test_coast_file_read_back(self):
        texte = anneaux.ecrire_cotes({"50 east along 50 0": (50.0, 3.1234)}, {"50 east along 50 0": 0.002})
        self.assertEqual(anneaux.lire_cotes(texte), {"50 east along 50 0": (50.0, 3.1234)})


class Rivage(unittest.TestCase):
    # A shoreline running north along 3 E, with an islet at 1.5 E.
    TEXTE = "> coast\n3 40\n3 60\n> islet\n1.5 49.9\n1.6 50.1\n"

    def test_shoreline_read_from_gmt_text(self):
        self.assertEqual(rivage.lire_traits(self.TEXTE),
                         [((40.0, 3.0), (60.0, 3.0)), ((49.9, 1.5), (50.1, 1.6))])

    def test_crossings_and_nearest_point(self):
        traits = rivage.lire_traits(self.TEXTE)
        x = sorted(rivage.croisements((50, 0), (50, 10), traits))
        self.assertEqual(len(x), 2)
        self.assertAlmostEqual(x[0][1][1], 1.55)
        self.assertAlmostEqual(x[1][1][1], 3.0)
        self.assertEqual(rivage.croisements((50, 0), (50, 1), traits), [])
        q = rivage.proche((45, 2.9), traits)
        self.assertAlmostEqual(q[0], 45)
        self.assertAlmostEqual(q[1], 3)


class Liste(unittest.TestCase):
    TEXTE = ('I/1 "A"\n  grade 1\nII/1 "Sea"\n  grade 2\nII/2 "B" / " C"\n  grade 3\n'
             "II/3 -\n  grade 3\nII/4 \"Note\"\n  grade 2\n  note\nIII/1 \"D\"\n  grade 2\n")

    def test_zones_without_limits_metarea_by_metarea(self):
        self.assertEqual(liste_readme.liste(publication.lire(self.TEXTE)),
                         "- II: B C, (unnamed row 3); named without limits: Sea.\n"
                         "- III: named without limits: D.\n")

    def test_the_list_read_back_from_the_readme_wrapped(self):
        readme = ("# R\n\n%s\n\nSome words.\n\n- II: B C, (unnamed row 3); named without\n"
                  "  limits: Sea.\n- III: named without limits: D.\n\n## Next\n- other\n"
                  % liste_readme.TITRE)
        self.assertEqual(liste_readme.dans_readme(readme),
                         liste_readme.liste(publication.lire(self.TEXTE)))
        self.assertIsNone(liste_readme.dans_readme("# R\n- II: x.\n"))


class Grades(unittest.TestCase):
    def fautes(self, texte):
        class Zones:
            blocs = publication.lire(texte)
        return verification.grades(Zones)

    def test_what_each_grade_holds(self):
        bons = ('I/1 "A"\n  grade 1\n  source s\n  label 1 1\n  ring\n    0°N 0°E draw\n'
                '    0°N 1°E draw\n    1°N 1°E draw\nI/2 -\n  grade 3\n'
                'I/3 "B"\n  grade 2\n  source s\n  label 1 1 width 3\n')
        self.assertEqual(self.fautes(bons), [])
        for texte in ('I/1 "A"\n  grade 2\n  source s\n  label 1 1 width 2\n  ring\n'
                      "    0°N 0°E draw\n",
                      'I/1 "A"\n  grade 1\n  source s\n  label 1 1\n',
                      'I/1 "A"\n  grade 3\n  label 1 1\n',
                      'I/1 "A"\n  grade 2\n  source s\n  label 1 1\n',
                      'I/1 "A"\n  grade 2\n  label 1 1 width 2\n',
                      'I/1 -\n  grade 2\n  source s\n  label 1 1 width 2\n',
                      'I/1 "A"\n  grade 1\n  source s\n  label 1 1\n  segments\n'
                      "    0°N 0°E - 1°N 0°E\n",
                      'I/1 "A"\n  grade 4\n'):
            self.assertTrue(self.fautes(texte), texte)


# Two boxes of Metarea I, one above the other, each drawing its own sides
# but the one they share, which the lower one draws.
MONDE = """\
I/1 "Low"
  grade 1
  source s
  label 50.5 0.5
  ring
    50°N 0°E     draw
    50°N 1°E     draw
    51°N 1°E     draw
    51°N 0°E     draw
I/2 "High" / " Two"
  grade 1
  source s
  label 51.5 0.5
  ring
    51°N 0°E     shared
    51°N 1°E     draw
    52°N 1°E     draw
    52°N 0°E     draw
"""


def vidage(zones, compte=4):
    """The tree as vider_metareas prints it, built from the rows."""
    lignes = ["area\tI\tUnited Kingdom"]
    for b in zones.blocs:
        lat, lon = b.etiquette or (0, 0)
        textes = (b.lignes + ["", "", ""])[:3]
        lignes.append("\t".join(["row", str(b.place), "0", str(compte), repr(lat), repr(lon),
                                 repr(zones.largeur(b))] + textes))
        for (a, c), (d, e) in zones.segments(b):
            lignes.append("seg\t%r\t%r\t%r\t%r" % (a, c, d, e))
    return "\n".join(lignes) + "\n"


class Verification(unittest.TestCase):
    def fautes(self, texte, retouche=None):
        zones = anneaux.Zones(publication.lire(texte), {})
        aires = arbre.lire(vidage(zones))
        if retouche:
            retouche(aires[0].rangs)
        return (verification.accord(zones, aires) + verification.grades(zones)
                + verification.table_a_jour(zones, aires) + verification.valeurs(zones, aires)
                + verification.anneaux(zones, aires))

    def test_a_sound_world(self):
        self.assertEqual(self.fautes(MONDE), [])

    def test_dump_read_back(self):
        zones = anneaux.Zones(publication.lire(MONDE), {})
        aires = arbre.lire(vidage(zones))
        r = aires[0].rangs[1]
        self.assertEqual((r.place, r.compte, r.lignes, r.etiquette, r.largeur),
                         (2, 4, ["High", " Two"], (51.5, 0.5), 1.0))
        self.assertEqual(r.segments[0], ((51.0, 1.0), (52.0, 1.0)))

    def test_faults_found(self):
        cas = (
            (MONDE.replace("    51°N 1°E     draw\n    51°N 0°E", "    51°N 1°E     shared\n    51°N 0°E"),
             "drawn by no record"),
            (MONDE.replace("label 51.5 0.5", "label 50.5 0.5"), "outside its ring"),
            (MONDE.replace("    52°N 0°E     draw", "    50°30'N 0°E     draw"), "overlap"),
            (MONDE.replace("    50°N 0°E     draw\n    50°N 1°E", "    44°N 0°E     draw\n    50°N 1°E"),
             "outside I's extent"),
            (MONDE.replace("    50°N 1°E     draw", "    50°N 1°E c*  coast"), "along the coast"),
            (MONDE.replace("label 50.5 0.5", "label 50.5 0.50005"), "more than 4 decimals"),
        )
        for texte, attendue in cas:
            fautes = self.fautes(texte)
            self.assertTrue(any(attendue in f for f in fautes), (attendue, fautes))

    def test_rows_not_the_trees(self):
        def renommer(rangs):
            rangs[1].lignes = ["Other"]
        fautes = self.fautes(MONDE, renommer)
        self.assertEqual(len(fautes), 1)
        self.assertIn("stands where the tree has I/2 ['Other']", fautes[0])

    def test_a_table_not_written_again(self):
        def deplacer(rangs):
            rangs[0].etiquette = (50.6, 0.5)
        fautes = self.fautes(MONDE, deplacer)
        self.assertTrue(any("run `sous_zones.py ecrire`" in f for f in fautes), fautes)

    def test_rows_drawing_another_count(self):
        zones = anneaux.Zones(publication.lire(MONDE), {})
        aires = arbre.lire(vidage(zones))
        self.assertEqual(verification.ecarts(zones, aires),
                         ["I/2 High Two: draws 3 segments, the catalogue 4"])
        self.assertEqual(verification.bilan(zones, aires),
                         ["I (United Kingdom): 7 segments drawn of the catalogue's 8; rows of "
                          "grade 1, 2, 3: 2, 0, 0"])


class Table(unittest.TestCase):
    def test_written_table(self):
        texte = MONDE + 'I/3 "Q\\s"\n  grade 2\n  source s\n  label 50.25 -0.1 width 3\nI/4 -\n  grade 3\n'
        t = sortie_cpp.table(anneaux.Zones(publication.lire(texte), {}))
        self.assertIn("    {50, 0, 50, 1},\n", t)
        self.assertIn('    {"Low", 50.5, 0.5, 1, {S + 0, 4}},  // I/1\n', t)
        self.assertIn('    {"High", 51.5, 0.5, 1, {S + 4, 3}},  // I/2\n', t)
        self.assertIn('    {"Q\\\\s", 50.25, -0.1, 3, {}},  // I/3\n', t)
        self.assertIn("    {nullptr, 0, 0, 0, {}},  // I/4\n", t)


if __name__ == "__main__":
    unittest.main()
