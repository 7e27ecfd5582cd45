-- Sample reference database, older layout: ASME IX 2001 Edition, 2002 Addenda (qel0102).
-- Written for this program as sample data. Paragraph texts, definitions and interpretations are
-- our own sample wording (each begins "Sample text."); only paragraph numbers and published table
-- facts (P-, F- and A-numbers, SFA numbers, composition limits) are taken over.
-- Text columns compare without regard to case; Booleans hold -1 (true) and 0 (false); rows stand in
-- the order in which a query without ORDER BY returns them.

CREATE TABLE "Processes" (
  "ABBR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "FULLNAME" TEXT COLLATE NOCASE,
  "SORTKEY" INTEGER NOT NULL,
  "ESS" BOOLEAN NOT NULL DEFAULT 0,
  "NON" BOOLEAN NOT NULL DEFAULT 0,
  "SUP" BOOLEAN NOT NULL DEFAULT 0,
  "HFO" BOOLEAN NOT NULL DEFAULT 0,
  "CRO" BOOLEAN NOT NULL DEFAULT 0,
  "GROOVE" BOOLEAN NOT NULL DEFAULT 0,
  "FILLET" BOOLEAN NOT NULL DEFAULT 0,
  "STUD" BOOLEAN NOT NULL DEFAULT 0,
  "RESISTANCE" BOOLEAN NOT NULL DEFAULT 0,
  "FRICTION" BOOLEAN NOT NULL DEFAULT 0,
  "FLASH" BOOLEAN NOT NULL DEFAULT 0,
  "STIR" BOOLEAN NOT NULL DEFAULT 0
);
INSERT INTO "Processes" VALUES ('OFW', 'Oxyfuel Gas Welding', 10, -1, -1, 0, -1, 0, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('SMAW', 'Shielded Metal Arc Welding', 20, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('SAW', 'Submerged Arc Welding', 30, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('GMAW', 'Gas Metal Arc Welding', 40, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('FCAW', 'Flux Cored Arc Welding', 50, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('GTAW', 'Gas Tungsten Arc Welding', 60, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('PAW', 'Plasma Arc Welding', 70, -1, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('ESW', 'Electroslag Welding', 80, -1, -1, -1, 0, -1, -1, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('EGW', 'Electrogas Welding', 90, -1, -1, -1, 0, 0, -1, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('EBW', 'Electron Beam Welding', 100, -1, -1, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('LBW', 'Laser Beam Welding', 110, -1, -1, 0, -1, -1, -1, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('STUD', 'Stud Welding', 120, -1, -1, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('RW', 'Resistance Welding', 130, -1, -1, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0);
INSERT INTO "Processes" VALUES ('FRW', 'Friction Welding', 140, -1, -1, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0);

CREATE TABLE "Variables" (
  "variable" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "var_text" TEXT,
  "order" INTEGER NOT NULL,
  "ADDENDA" TEXT COLLATE NOCASE,
  "OFW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_NON" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "RW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "RW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "RW_CRO" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_HFO" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_CRO" BOOLEAN NOT NULL DEFAULT 0
);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-200.1', 'QW-200.1  Welding procedure specification (WPS)

Sample text. A WPS lists the essential and nonessential variables of each process it uses, and the supplementary essential variables when notch toughness is required. A WPS may be supported by one or more PQRs.

A change in a nonessential variable only needs a revised WPS.', 10, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-200.4', 'QW-200.4  Combination of welding procedures

Sample text. More than one procedure may be used in one weld. (a) Each procedure is qualified for the thickness of weld metal it deposits. (b) A process may be qualified for the root deposit only, within the limits of its own qualification; the root deposit then counts towards the qualified thickness of that process alone.', 20, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202.2', 'QW-202.2  Groove and fillet welds

Sample text. (a) Qualification in groove welds qualifies the thickness ranges of QW-451. (b) Partial penetration groove welds are qualified by a complete penetration test, within the limits given for the base metal and deposited weld metal. (c) Fillet welds are qualified by groove-weld tests as well.', 30, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202.3', 'QW-202.3  Weld repair and buildup

Sample text. Weld repair and buildup are qualified by a groove-weld test. There is no upper limit on the base metal thickness when the test coupon is 1-1/2 in. (38 mm) thick or more.', 40, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202.4', 'QW-202.4  Dissimilar base metal thicknesses

Sample text. A WPS qualified on test coupons of the same thickness may be applied to production welds between dissimilar thicknesses, provided each thickness is within its qualified range or the thinner member meets the stated limits.', 50, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202.5', 'QW-202.5  Stud welding

Sample text. Stud welding procedures are qualified by the tests of QW-192. Studs used for extended heating surfaces may be qualified with fewer tests when the base plate is P-number 1.', 60, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO", "SMAW_NON", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_HFO", "PAW_CRO", "ESW_NON", "ESW_CRO", "EGW_NON", "EBW_NON", "LBW_NON", "LBW_HFO", "LBW_CRO", "STUD_ESS", "STUD_NON", "RW_ESS", "FRW_ESS") VALUES ('QW-402', 'QW-402  JOINTS

Sample text. The joint variables deal with the shape of the joint, its backing, root spacing and retainers. The welding procedure specification lists the joint details that the procedure allows; sketches or a written description may be used.', 70, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON", "ESW_NON", "EGW_NON") VALUES ('QW-402.1', 'QW-402.1  Groove design

Sample text. A change in the type of groove, for example from a V-groove to a U-groove, or in the groove angle. The procedure shows the grooves it allows.', 80, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_NON", "LBW_NON") VALUES ('QW-402.3', 'QW-402.3  Backing composition

Sample text. A change in the nominal composition of a backing strip or ring.', 90, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-402.4', 'QW-402.4  Deletion of backing

Sample text. Leaving out backing in a single-welded groove weld. Double-welded joints count as welded with backing.', 100, NULL, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-402.8', 'QW-402.8  Stud shape and size

Sample text. A change in the shape or the size of the stud at the end that is welded. The diameter qualified is the nominal size tested.', 110, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_NON") VALUES ('QW-402.9', 'QW-402.9  Stud shielding

Sample text. A change in the shielding ferrule or in the flux used with the stud.', 120, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-402.10', 'QW-402.10  Root spacing

Sample text. A change in the specified root spacing.', 130, NULL, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FRW_ESS") VALUES ('QW-402.12', 'QW-402.12  Friction weld joint

Sample text. A change in the cross section of the weld interface, for example from a solid bar joint to a tubular joint, or a change in the included angle of a faying surface beyond the range tested.', 140, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS") VALUES ('QW-402.13', 'QW-402.13  Joint spacing (resistance)

Sample text. A change in the spacing of spot or seam welds, or in the overlap of the sheets, beyond the values tested.', 150, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO", "SMAW_HFO", "SMAW_CRO", "SAW_HFO", "SAW_CRO", "GMAW_HFO", "GMAW_CRO", "FCAW_HFO", "FCAW_CRO", "GTAW_HFO", "GTAW_CRO", "PAW_HFO", "PAW_CRO", "ESW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-402.16', 'QW-402.16  Overlay finished thickness

Sample text. A finished overlay thickness smaller than the thickness qualified. The qualified minimum is found as Figure QW-462.5(a) shows.', 160, '02a', -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "OFW_HFO", "SMAW_ESS", "SMAW_SUP", "SMAW_HFO", "SMAW_CRO", "SAW_ESS", "SAW_SUP", "SAW_HFO", "SAW_CRO", "GMAW_ESS", "GMAW_SUP", "GMAW_HFO", "GMAW_CRO", "FCAW_ESS", "FCAW_SUP", "FCAW_HFO", "FCAW_CRO", "GTAW_ESS", "GTAW_SUP", "GTAW_HFO", "GTAW_CRO", "PAW_ESS", "PAW_SUP", "PAW_HFO", "PAW_CRO", "ESW_ESS", "ESW_SUP", "ESW_CRO", "EGW_ESS", "EGW_SUP", "EBW_ESS", "LBW_ESS", "LBW_HFO", "LBW_CRO", "STUD_ESS", "RW_ESS") VALUES ('QW-403', 'QW-403  BASE METALS

Sample text. The base metal variables deal with the P-numbers and group numbers of the materials welded and with the thickness range that a procedure qualification test covers. Table QW/QB-422 assigns the numbers; QW-451 gives the thickness ranges.', 170, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-403.3', 'QW-403.3  Penetration

Sample text. For full penetration welds the qualified thickness is the thickness tested; where penetration can be measured visually or mechanically, the depth of penetration tested governs.', 180, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-403.5', 'QW-403.5  Group number

Sample text. Where notch toughness is required, base metals are qualified within their P-number and group number only.', 190, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-403.6', 'QW-403.6  T limits, impact testing

Sample text. Where notch toughness is required, the lowest base metal thickness qualified is the test coupon thickness T or 5/8 in. (16 mm), whichever is less. See QW-451 for the other limits.', 200, '02r', -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-403.8', 'QW-403.8  T qualified

Sample text. A change in the base metal thickness beyond the range qualified in QW-451.', 210, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-403.9', 'QW-403.9  t pass over 1/2 in.

Sample text. For single-pass or multipass welding in which any pass is thicker than 1/2 in. (13 mm), an increase in base metal thickness beyond 1.1 times the test coupon thickness.', 220, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS") VALUES ('QW-403.10', 'QW-403.10  Short-circuiting limits

Sample text. For short-circuiting transfer, the greatest base metal thickness qualified is 1.1 times the test coupon thickness when the coupon is thinner than 1/2 in. (13 mm).', 230, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-403.11', 'QW-403.11  P-number qualified

Sample text. Base metals of one P-number are qualified by a test on that P-number. The P-numbers are listed in QW/QB-422; see also QW-424.1.', 240, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-403.17', 'QW-403.17  Stud and base metal combination

Sample text. A change in the combination of stud material and base metal beyond the combination tested.', 250, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO", "SMAW_HFO", "SMAW_CRO", "SAW_HFO", "SAW_CRO", "GMAW_HFO", "GMAW_CRO", "FCAW_HFO", "FCAW_CRO", "GTAW_HFO", "GTAW_CRO", "PAW_HFO", "PAW_CRO", "ESW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-403.20', 'QW-403.20  P-number (overlay)

Sample text. A change in P-number of the base metal that receives the overlay.', 260, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS") VALUES ('QW-403.22', 'QW-403.22  Nominal thickness (resistance)

Sample text. A change in the nominal thickness of either member beyond the range that the tests cover.', 270, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SMAW_HFO", "SMAW_CRO", "SAW_ESS", "SAW_HFO", "SAW_CRO", "GMAW_ESS", "GMAW_HFO", "GMAW_CRO", "FCAW_ESS", "FCAW_HFO", "FCAW_CRO", "GTAW_ESS", "GTAW_HFO", "GTAW_CRO", "PAW_ESS", "PAW_HFO", "PAW_CRO", "ESW_ESS", "ESW_CRO", "EGW_ESS", "LBW_HFO", "LBW_CRO") VALUES ('QW-404', 'QW-404  FILLER METALS

Sample text. The filler metal variables deal with the F-number and A-number of the filler metal, its size, its classification and the deposited weld metal thickness. See QW-432 for F-numbers and QW-442 for A-numbers.', 280, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-404.4', 'QW-404.4  F-number

Sample text. A change from one F-number in QW-432 to any other F-number, or to a filler metal not listed there.', 290, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-404.5', 'QW-404.5  A-number

Sample text. For ferrous weld metal, a change in the chemical composition of the deposit from one A-number in QW-442 to another. The A-number may be found from the filler metal analysis, the deposit analysis or the classification.', 300, '01c', -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GTAW_ESS", "PAW_ESS") VALUES ('QW-404.14', 'QW-404.14  Filler metal addition

Sample text. Adding filler metal, or leaving it out.', 310, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-404.30', 'QW-404.30  Deposited weld metal thickness t

Sample text. A change in the deposited weld metal thickness t beyond the range qualified in QW-451 for each process.', 320, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_HFO", "SMAW_CRO", "SAW_HFO", "SAW_CRO", "GMAW_HFO", "GMAW_CRO", "FCAW_HFO", "FCAW_CRO", "GTAW_HFO", "GTAW_CRO", "PAW_HFO", "PAW_CRO", "ESW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-404.37', 'QW-404.37  Overlay composition

Sample text. A change in the composition of the deposited overlay beyond the analysis tested.', 330, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO", "SMAW_NON", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_HFO", "PAW_CRO", "ESW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-405', 'QW-405  POSITIONS

Sample text. The position variables deal with the positions in which welding is done and the progression of vertical welding. The test positions are shown in QW-461.', 340, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO", "SMAW_NON", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_HFO", "PAW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-405.1', 'QW-405.1  Addition of positions

Sample text. Adding other welding positions than those already qualified. The test positions are shown in QW-461.1 and QW-461.2.', 350, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO", "SMAW_HFO", "SMAW_CRO", "SAW_HFO", "SAW_CRO", "GMAW_HFO", "GMAW_CRO", "FCAW_HFO", "FCAW_CRO", "GTAW_HFO", "GTAW_CRO", "PAW_HFO", "PAW_CRO", "ESW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-405.4', 'QW-405.4  Position (overlay)

Sample text. A change from the qualified position to another position for overlay welding; some positions qualify others.', 360, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "OFW_HFO", "SMAW_ESS", "SMAW_SUP", "SMAW_HFO", "SMAW_CRO", "SAW_ESS", "SAW_SUP", "SAW_HFO", "SAW_CRO", "GMAW_ESS", "GMAW_SUP", "GMAW_HFO", "GMAW_CRO", "FCAW_ESS", "FCAW_SUP", "FCAW_HFO", "FCAW_CRO", "GTAW_ESS", "GTAW_SUP", "GTAW_HFO", "GTAW_CRO", "PAW_ESS", "PAW_SUP", "PAW_HFO", "PAW_CRO", "ESW_ESS", "ESW_SUP", "ESW_CRO", "EGW_ESS", "EGW_SUP", "LBW_HFO", "LBW_CRO") VALUES ('QW-406', 'QW-406  PREHEAT

Sample text. The preheat variables deal with the lowest preheat temperature, its maintenance and the highest interpass temperature.', 370, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-406.1', 'QW-406.1  Decrease in preheat

Sample text. A decrease of more than 100 F (55 C) in the preheat temperature qualified.', 380, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-406.3', 'QW-406.3  Increase in interpass temperature

Sample text. An increase of more than 100 F (55 C) in the highest interpass temperature recorded on the PQR where notch toughness is required.', 390, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO", "SMAW_HFO", "SMAW_CRO", "SAW_HFO", "SAW_CRO", "GMAW_HFO", "GMAW_CRO", "FCAW_HFO", "FCAW_CRO", "GTAW_HFO", "GTAW_CRO", "PAW_HFO", "PAW_CRO", "ESW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-406.4', 'QW-406.4  Preheat (overlay)

Sample text. A decrease of more than 100 F (55 C) in preheat, or an increase in the highest interpass temperature, for overlays.', 400, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "OFW_HFO", "SMAW_ESS", "SMAW_SUP", "SMAW_HFO", "SMAW_CRO", "SAW_ESS", "SAW_SUP", "SAW_HFO", "SAW_CRO", "GMAW_ESS", "GMAW_SUP", "GMAW_HFO", "GMAW_CRO", "FCAW_ESS", "FCAW_SUP", "FCAW_HFO", "FCAW_CRO", "GTAW_ESS", "GTAW_SUP", "GTAW_HFO", "GTAW_CRO", "PAW_ESS", "PAW_SUP", "PAW_HFO", "PAW_CRO", "ESW_ESS", "ESW_SUP", "ESW_CRO", "EGW_ESS", "EGW_SUP", "EBW_ESS", "LBW_ESS", "LBW_HFO", "LBW_CRO", "STUD_ESS", "RW_ESS", "FRW_ESS") VALUES ('QW-407', 'QW-407  POSTWELD HEAT TREATMENT

Sample text. The postweld heat treatment (PWHT) variables deal with the kind of heat treatment, its temperature range and its holding time.', 410, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS", "EBW_ESS", "LBW_ESS", "STUD_ESS", "RW_ESS", "FRW_ESS") VALUES ('QW-407.1', 'QW-407.1  PWHT

Sample text. A change in postweld heat treatment, for example from none to PWHT below the lower transformation temperature. Each condition is qualified separately.', 420, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-407.2', 'QW-407.2  PWHT time and temperature

Sample text. A change in the PWHT temperature and time range where notch toughness is required.', 430, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-407.4', 'QW-407.4  T limits with PWHT above UTT

Sample text. For a test coupon that receives a PWHT in which the upper transformation temperature is exceeded, the greatest base metal thickness qualified is 1.1 times the test coupon thickness.', 440, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO", "SMAW_HFO", "SMAW_CRO", "SAW_HFO", "SAW_CRO", "GMAW_HFO", "GMAW_CRO", "FCAW_HFO", "FCAW_CRO", "GTAW_HFO", "GTAW_CRO", "PAW_HFO", "PAW_CRO", "ESW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-407.6', 'QW-407.6  PWHT (overlay)

Sample text. A change in the postweld heat treatment of an overlay, including its temperature range and time.', 450, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS", "GMAW_NON", "FCAW_ESS", "FCAW_NON", "GTAW_ESS", "GTAW_NON", "PAW_ESS", "PAW_NON") VALUES ('QW-408', 'QW-408  GAS

Sample text. The gas variables deal with the shielding, trailing and backing gases, their composition and their flow rates, and with fuel gases.', 460, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS") VALUES ('QW-408.2', 'QW-408.2  Single gas or mixture

Sample text. A change from a single shielding gas to another, or to a mixture, or a change in the nominal percentages of a mixture.', 470, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-408.5', 'QW-408.5  Backing gas

Sample text. Adding or leaving out backing gas, or a change in its composition or flow rate.', 480, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SMAW_SUP", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_SUP", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_SUP", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_SUP", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_SUP", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_SUP", "PAW_HFO", "PAW_CRO", "ESW_NON", "ESW_SUP", "EGW_NON", "EGW_SUP", "LBW_HFO", "LBW_CRO", "STUD_ESS", "RW_ESS", "RW_NON") VALUES ('QW-409', 'QW-409  ELECTRICAL CHARACTERISTICS

Sample text. The electrical variables deal with heat input, current type and polarity, the ranges of current and voltage, transfer mode and the settings of beam and resistance equipment.', 490, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-409.1', 'QW-409.1  Heat input

Sample text. An increase in heat input, or in volume of weld metal deposited per unit length of weld, over that qualified, where notch toughness is required. The heat input may be worked out from the current, the voltage and the travel speed, or from the weld bead size.', 500, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_HFO", "PAW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-409.4', 'QW-409.4  Current or polarity

Sample text. A change from alternating current to direct current, or the reverse, or a change in polarity.', 510, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON", "ESW_NON", "EGW_NON") VALUES ('QW-409.8', 'QW-409.8  Current and voltage range

Sample text. A change in the range of current, or of voltage except for SMAW and GTAW. For vertical welding the current range may be given for each electrode size.', 520, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-409.9', 'QW-409.9  Arc timing (stud)

Sample text. A change of more than 1/10 sec. in the arc timing of stud welding.', 530, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS") VALUES ('QW-409.14', 'QW-409.14  Welding cycle (resistance)

Sample text. A change in the number of cycles of welding time, hold time or squeeze time.', 540, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_NON") VALUES ('QW-409.17', 'QW-409.17  Power supply (resistance)

Sample text. A change in the kind of power supply, for example from single phase to three phase.', 550, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO", "SMAW_NON", "SMAW_SUP", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_SUP", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_SUP", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_SUP", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_SUP", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_SUP", "PAW_HFO", "PAW_CRO", "ESW_SUP", "EGW_SUP", "LBW_HFO", "LBW_CRO", "FRW_ESS", "FRW_NON") VALUES ('QW-410', 'QW-410  TECHNIQUE

Sample text. The technique variables deal with bead placement, cleaning, back gouging, oscillation, the number of passes and electrodes, and the settings that are peculiar to a process.', 560, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO", "SMAW_NON", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_HFO", "PAW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-410.1', 'QW-410.1  Stringer or weave bead

Sample text. A change from stringer bead to weave bead technique, or the reverse.', 570, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO", "SMAW_NON", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_HFO", "PAW_CRO", "LBW_HFO", "LBW_CRO", "FRW_NON") VALUES ('QW-410.5', 'QW-410.5  Cleaning

Sample text. A change in the method of initial and interpass cleaning, for example brushing or grinding.', 580, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-410.9', 'QW-410.9  Multiple to single pass

Sample text. A change from multipass per side to single pass per side where notch toughness is required.', 590, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SMAW_HFO", "SMAW_CRO", "SAW_NON", "SAW_HFO", "SAW_CRO", "GMAW_NON", "GMAW_HFO", "GMAW_CRO", "FCAW_NON", "FCAW_HFO", "FCAW_CRO", "GTAW_NON", "GTAW_HFO", "GTAW_CRO", "PAW_NON", "PAW_HFO", "PAW_CRO", "LBW_HFO", "LBW_CRO") VALUES ('QW-410.25', 'QW-410.25  Manual or automatic

Sample text. A change from manual or semiautomatic to machine or automatic welding, or the reverse.', 600, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FRW_ESS") VALUES ('QW-410.27', 'QW-410.27  Rotational speed

Sample text. A change of more than 10% in the rotational speed of the friction welding machine.', 610, '02d', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-420', 'QW-420  Material groupings

Sample text. Base metals are assigned P-numbers according to their composition, weldability and mechanical properties. Ferrous base metals with impact requirements are further divided into group numbers. The assignments are listed in QW/QB-422.', 620, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-424.1', 'QW-424.1  Base metals qualified

Sample text. A test on one metal of a P-number qualifies all metals of that P-number. A test on two different P-numbers qualifies that combination. Unassigned metals are qualified only by the metal tested.', 630, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-442', 'QW-442  A-numbers

Sample text. Ferrous weld metal analyses are classified into twelve A-numbers by their carbon, chromium, molybdenum, nickel, manganese and silicon content. Use the A-number window to classify an analysis.', 640, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-451', 'QW-451  Procedure qualification thickness limits

Sample text. The tables of QW-451 give, for the thickness T of the test coupon and the thickness t of weld metal deposited, the ranges of base metal and weld metal thickness that a groove-weld test qualifies, and the tests required. The qualification calculator applies them.', 650, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-451.1', 'QW-451.1  Groove-weld tension and transverse bend tests

Sample text. For test coupons under 1/16 in. (1.5 mm) the range is T to 2T; from 1/16 in. to 3/8 in. it is 1/16 in. to 2T; above 3/8 in. the minimum is 3/16 in. (5 mm). Two tension and four bend specimens are required in most cases.', 660, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-451.2', 'QW-451.2  Groove-weld tension and longitudinal bend tests

Sample text. Longitudinal bend tests may be used where the base metal and weld metal differ markedly in bending properties. The thickness ranges follow QW-451.1.', 670, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-453', 'QW-453  Overlay qualification

Sample text. Overlays are qualified by bend tests, chemical analysis and, for hard-facing, hardness tests and penetrant examination. The thickness qualified is found as QW-462.5(a) shows.', 680, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW/QB-492', 'QW/QB-492  Definitions (earlier numbering)

Sample text. Earlier editions numbered the definitions QW/QB-492. Opening this paragraph opens the definitions window.', 690, NULL);

CREATE TABLE "Cross-reference" (
  "reference" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "title" TEXT COLLATE NOCASE,
  "variable" TEXT COLLATE NOCASE,
  "form" TEXT COLLATE NOCASE,
  "message" TEXT COLLATE NOCASE,
  "graphics" TEXT COLLATE NOCASE
);
INSERT INTO "Cross-reference" VALUES ('QW-200.4(b)', NULL, 'QW-200.4', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-202.2(b)', NULL, 'QW-202.2', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW/QB-422', NULL, NULL, 'varnelMaterialSpecification', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-432', NULL, NULL, 'varnelFillerSpecification', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-442', NULL, NULL, 'varnelAnumbers', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-451', NULL, NULL, 'varnelThickness', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-423', 'QW-423 Alternate base materials', NULL, NULL, 'Sample text. Table QW-423 (alternate base materials for welder qualification) is not held in the sample database. Use the base-metal lookup for P-numbers.', NULL);
INSERT INTO "Cross-reference" VALUES ('QW-461', 'GRAPHICS', NULL, NULL, NULL, 'Fig.QW-461.1, Fig.QW-461.2');
INSERT INTO "Cross-reference" VALUES ('QW-462.5(a)', 'GRAPHICS', NULL, NULL, NULL, 'QW-462.5(a)');

CREATE TABLE "Graphics" (
  "picture id" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "title" TEXT COLLATE NOCASE,
  "text" TEXT,
  "picture" TEXT COLLATE NOCASE
);
INSERT INTO "Graphics" VALUES ('Fig.QW-461.1', 'Positions of groove welds (sample sketch)', 'Sample text. Sketch of the four plate positions of a groove weld, 1G flat, 2G horizontal, 3G vertical and 4G overhead. The arrow shows the direction from which the welder works.', 'fig461_1');
INSERT INTO "Graphics" VALUES ('Fig.QW-461.2', 'Positions of fillet welds (sample sketch)', 'Sample text. Sketch of the four plate positions of a fillet weld, 1F flat, 2F horizontal, 3F vertical and 4F overhead.', 'fig461_2');
INSERT INTO "Graphics" VALUES ('Fig.QW-462.4(a)', 'Fillet-weld test coupon for plate (sample sketch)', 'Sample text. A fillet weld between a base plate and an upright plate. The coupon is cut into macro specimens across the weld; the end pieces are discarded.', 'fig462_4a');
INSERT INTO "Graphics" VALUES ('Fig.QW-469.1', 'Butt joint with backing (sample sketch)', NULL, 'fig469_1');
INSERT INTO "Graphics" VALUES ('QW-462.5(a)', 'Overlay thickness determination (sample sketch)', 'Sample text. The overlay is deposited on the base metal. The minimum thickness qualified is measured from the fusion line to the surface at which the chemical analysis is taken.', 'fig462_5a');

CREATE TABLE "version" (
  "License" TEXT
);
INSERT INTO "version" ("License") VALUES ('Sample text. Varnel licence agreement

This sample database was written for the Varnel program to show how it works. Its paragraph texts, definitions and interpretations are sample wording, not the text of any Code or standard; only paragraph numbers and published table facts such as P-, F- and A-numbers, SFA numbers and composition limits are taken over.

You may use the program and this sample database for evaluation. Do not rely on the sample texts for any qualification, design or inspection decision; consult the Code edition that applies.

The program is provided as is, without warranty of any kind.');

CREATE TABLE "Definitions" (
  "term" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "definition" TEXT,
  "figure" TEXT COLLATE NOCASE
);
INSERT INTO "Definitions" VALUES ('ASME IX-98   QW/QB-492 Welding', '{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}{\colortbl ;\red0\green0\blue128;}\f0\fs20{\b\cf1 QW/QB-492 Definitions}\par\par Sample text. This glossary explains the {\i welding} terms used in the sample paragraphs. Type the beginning of a term, or pick it from the list.\par\par {\b Terms with figures} show the button {\b View figure(s)}.\par}', NULL);
INSERT INTO "Definitions" VALUES ('backing', 'Sample text. Material placed at the root of a weld joint to support the molten weld metal. It may stay in place or be removed.', 'QW-469.1');
INSERT INTO "Definitions" VALUES ('fillet weld', 'Sample text. A weld of roughly triangular cross section joining two surfaces at about right angles to each other.', 'QW-462.4(a)');
INSERT INTO "Definitions" VALUES ('flat position', 'Sample text. The position in which the weld face is roughly horizontal and welding is done from above.', 'QW-461.1, QW-461.2');
INSERT INTO "Definitions" VALUES ('groove weld', 'Sample text. A weld made in the groove between two members.', 'QW-461.1');
INSERT INTO "Definitions" VALUES ('weld', 'Sample text. A local coalescence of metals produced by heating, with or without pressure and filler metal.', NULL);
INSERT INTO "Definitions" VALUES ('welder', 'Sample text. A person who performs manual or semiautomatic welding.', NULL);

CREATE TABLE "Definitions - Brazing" (
  "term" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "definition" TEXT,
  "figure" TEXT COLLATE NOCASE
);
INSERT INTO "Definitions - Brazing" VALUES ('ASME IX-98   QW/QB-492 Brazing', 'Sample text. Definitions of the brazing terms of this Section. Pick a term from the list.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('brazer', 'Sample text. A person who performs manual or semiautomatic brazing.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('brazing', 'Sample text. Joining by heating to a suitable temperature with a filler metal that melts above 840 F (450 C) and below the solidus of the base metals; the filler is drawn into the joint by capillary action.', NULL);

CREATE TABLE "Definitions - AWS" (
  "term" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "definition" TEXT
);
INSERT INTO "Definitions - AWS" VALUES ('arc blow', 'Sample text. Deflection of the arc from its normal path by magnetic forces.');
INSERT INTO "Definitions - AWS" VALUES ('porosity', 'Sample text. Cavity-type discontinuities formed by gas trapped during solidification.');
INSERT INTO "Definitions - AWS" VALUES ('undercut', 'Sample text. A groove melted into the base metal next to the weld toe and left unfilled by weld metal.');

CREATE TABLE "Base metals" (
  "Spec_No" TEXT COLLATE NOCASE,
  "Grade" TEXT COLLATE NOCASE,
  "ADDENDA" TEXT COLLATE NOCASE,
  "UNS" TEXT COLLATE NOCASE,
  "Condition" TEXT COLLATE NOCASE,
  "P_" TEXT COLLATE NOCASE,
  "G_" TEXT COLLATE NOCASE,
  "S_" TEXT COLLATE NOCASE,
  "SG_" TEXT COLLATE NOCASE,
  "Min_KSI" TEXT COLLATE NOCASE,
  "Nom_compos" TEXT COLLATE NOCASE,
  "Product_FM" TEXT COLLATE NOCASE,
  "Thickrange" TEXT COLLATE NOCASE
);
INSERT INTO "Base metals" VALUES ('SA-106', 'B', NULL, 'K03006', NULL, '1', '1', NULL, NULL, '60', 'C-Si', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-106', 'C', NULL, 'K03501', NULL, '1', '2', NULL, NULL, '70', 'C-Si', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-240', '304', NULL, 'S30400', NULL, '8', '1', NULL, NULL, '75', '18Cr-8Ni', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SA-240', '304L', NULL, 'S30403', NULL, '8', '1', NULL, NULL, '70', '18Cr-8Ni', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SA-240', '316L', NULL, 'S31603', NULL, '8', '1', NULL, NULL, '70', '16Cr-12Ni-2Mo', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SA-240', '410S', '08r', 'S41008', NULL, '7', '1', NULL, NULL, '60', '13Cr', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SA-516', '60', NULL, 'K02100', NULL, '1', '1', NULL, NULL, '60', 'C-Mn-Si', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-516', '65', NULL, 'K02403', NULL, '1', '1', NULL, NULL, '65', 'C-Mn-Si', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-516', '70', NULL, 'K02700', NULL, '1', '2', NULL, NULL, '70', 'C-Mn-Si', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SB-168', 'N06600', NULL, 'N06600', 'Annealed', '43', NULL, NULL, NULL, '80', '72Ni-15Cr-8Fe', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('A-36', NULL, NULL, 'K02600', NULL, NULL, NULL, '1', '1', '58', 'C-Mn-Si', 'Plate, bar & shapes', NULL);

CREATE TABLE "Filler metals" (
  "AWS_Class" TEXT COLLATE NOCASE,
  "SFA" TEXT COLLATE NOCASE,
  "F_NO" TEXT COLLATE NOCASE,
  "A_NO" TEXT COLLATE NOCASE,
  "UNS" TEXT COLLATE NOCASE,
  "Comment" TEXT COLLATE NOCASE
);
INSERT INTO "Filler metals" VALUES ('E6010', '5.1', '3', '1', 'W06010', 'Cellulosic coating, all positions, DCEP');
INSERT INTO "Filler metals" VALUES ('E6011', '5.1', '3', '1', 'W06011', 'Cellulosic coating, all positions, AC or DC');
INSERT INTO "Filler metals" VALUES ('E6013', '5.1', '2', '1', 'W06013', 'Rutile coating, light penetration');
INSERT INTO "Filler metals" VALUES ('E7018', '5.1', '4', '1', 'W07018', 'Low hydrogen, iron powder, all positions');
INSERT INTO "Filler metals" VALUES ('E7024', '5.1', '1', '1', 'W07024', 'Iron powder, flat and horizontal fillets');
INSERT INTO "Filler metals" VALUES ('E308-16', '5.4', '5', '8', 'W30810', '18Cr-8Ni, lime-titania coating');
INSERT INTO "Filler metals" VALUES ('E308L-16', '5.4', '5', '8', 'W30813', 'Low carbon 18Cr-8Ni');
INSERT INTO "Filler metals" VALUES ('E309L-16', '5.4', '5', '8', 'W30913', 'Dissimilar metal joints and buffer layers');
INSERT INTO "Filler metals" VALUES ('E316L-16', '5.4', '5', '8', 'W31613', 'Low carbon Cr-Ni-Mo');
INSERT INTO "Filler metals" VALUES ('ER308L', '5.9', '6', '8', 'S30883', 'Bare rod and wire, low carbon 18Cr-8Ni');
INSERT INTO "Filler metals" VALUES ('ER309L', '5.9', '6', '8', 'S30983', 'Bare rod and wire, overlays and dissimilar joints');
INSERT INTO "Filler metals" VALUES ('ER316L', '5.9', '6', '8', 'S31683', 'Bare rod and wire, low carbon Cr-Ni-Mo');
INSERT INTO "Filler metals" VALUES ('EQ308L', '5.9', '6', '8', 'S30886', 'Strip electrode for overlay');
INSERT INTO "Filler metals" VALUES ('ERNiCr-3', '5.14', '43', NULL, 'N06082', 'Nickel-chromium bare rod');
INSERT INTO "Filler metals" VALUES ('ERNiCrMo-3', '5.14', '43', NULL, 'N06625', 'Nickel-chromium-molybdenum bare rod');
INSERT INTO "Filler metals" VALUES ('ER70S-2', '5.18', '6', '1', 'K10726', 'Triple deoxidized wire');
INSERT INTO "Filler metals" VALUES ('ER70S-6', '5.18', '6', '1', 'K11140', 'High manganese and silicon wire');

CREATE TABLE "Filler Metal Specifications" (
  "SFA" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "DESIGNATION" TEXT COLLATE NOCASE,
  "ORDER" INTEGER NOT NULL UNIQUE
);
INSERT INTO "Filler Metal Specifications" VALUES ('5.1', 'Carbon steel covered electrodes for shielded metal arc welding', 1);
INSERT INTO "Filler Metal Specifications" VALUES ('5.2', 'Carbon and low-alloy steel rods for oxyfuel gas welding', 2);
INSERT INTO "Filler Metal Specifications" VALUES ('5.3', 'Aluminum and aluminum-alloy covered electrodes', 3);
INSERT INTO "Filler Metal Specifications" VALUES ('5.4', 'Stainless steel covered electrodes', 4);
INSERT INTO "Filler Metal Specifications" VALUES ('5.5', 'Low-alloy steel covered electrodes', 5);
INSERT INTO "Filler Metal Specifications" VALUES ('5.6', 'Copper and copper-alloy covered electrodes', 6);
INSERT INTO "Filler Metal Specifications" VALUES ('5.7', 'Copper and copper-alloy bare rods and electrodes', 7);
INSERT INTO "Filler Metal Specifications" VALUES ('5.8', 'Brazing and braze welding filler metals', 8);
INSERT INTO "Filler Metal Specifications" VALUES ('5.9', 'Stainless steel bare electrodes, rods and strip', 9);
INSERT INTO "Filler Metal Specifications" VALUES ('5.10', 'Aluminum and aluminum-alloy bare electrodes and rods', 10);
INSERT INTO "Filler Metal Specifications" VALUES ('5.11', 'Nickel and nickel-alloy covered electrodes', 11);
INSERT INTO "Filler Metal Specifications" VALUES ('5.12', 'Tungsten and oxide dispersed tungsten electrodes', 12);
INSERT INTO "Filler Metal Specifications" VALUES ('5.13', 'Surfacing electrodes for shielded metal arc welding', 13);
INSERT INTO "Filler Metal Specifications" VALUES ('5.14', 'Nickel and nickel-alloy bare electrodes and rods', 14);
INSERT INTO "Filler Metal Specifications" VALUES ('5.15', 'Electrodes and rods for welding cast iron', 15);
INSERT INTO "Filler Metal Specifications" VALUES ('5.16', 'Titanium and titanium-alloy electrodes and rods', 16);
INSERT INTO "Filler Metal Specifications" VALUES ('5.17', 'Carbon steel electrodes and fluxes for submerged arc welding', 17);
INSERT INTO "Filler Metal Specifications" VALUES ('5.18', 'Carbon steel electrodes and rods for gas shielded arc welding', 18);
INSERT INTO "Filler Metal Specifications" VALUES ('5.19', 'Magnesium-alloy electrodes and rods', 19);
INSERT INTO "Filler Metal Specifications" VALUES ('5.20', 'Carbon steel electrodes for flux cored arc welding', 20);
INSERT INTO "Filler Metal Specifications" VALUES ('5.21', 'Bare electrodes and rods for surfacing', 21);
INSERT INTO "Filler Metal Specifications" VALUES ('5.22', 'Stainless steel flux cored electrodes and rods', 22);
INSERT INTO "Filler Metal Specifications" VALUES ('5.23', 'Low-alloy steel electrodes and fluxes for submerged arc welding', 23);
INSERT INTO "Filler Metal Specifications" VALUES ('5.24', 'Zirconium and zirconium-alloy electrodes and rods', 24);
INSERT INTO "Filler Metal Specifications" VALUES ('5.25', 'Carbon and low-alloy steel electrodes and fluxes for electroslag welding', 25);
INSERT INTO "Filler Metal Specifications" VALUES ('5.26', 'Carbon and low-alloy steel electrodes for electrogas welding', 26);
INSERT INTO "Filler Metal Specifications" VALUES ('5.27', 'Copper and copper-alloy rods for oxyfuel gas welding (withdrawn)', 27);
INSERT INTO "Filler Metal Specifications" VALUES ('5.28', 'Low-alloy steel electrodes and rods for gas shielded arc welding', 28);
INSERT INTO "Filler Metal Specifications" VALUES ('5.29', 'Low-alloy steel electrodes for flux cored arc welding', 29);
INSERT INTO "Filler Metal Specifications" VALUES ('5.30', 'Consumable inserts', 30);
INSERT INTO "Filler Metal Specifications" VALUES ('5.31', 'Fluxes for brazing and braze welding', 31);
INSERT INTO "Filler Metal Specifications" VALUES ('5.34', 'Nickel-alloy electrodes for flux cored arc welding', 32);

CREATE TABLE "A Numbers" (
  "A Number" INTEGER PRIMARY KEY,
  "TMIN C" REAL NOT NULL,
  "TMIN Cr" REAL NOT NULL,
  "TMIN Mo" REAL NOT NULL,
  "TMIN Ni" REAL NOT NULL,
  "TMIN Mn" REAL NOT NULL,
  "TMIN Si" REAL NOT NULL,
  "TMAX C" REAL NOT NULL,
  "TMAX Cr" REAL NOT NULL,
  "TMAX Mo" REAL NOT NULL,
  "TMAX Ni" REAL NOT NULL,
  "TMAX Mn" REAL NOT NULL,
  "TMAX Si" REAL NOT NULL
);
INSERT INTO "A Numbers" VALUES (1, 0, 0, 0, 0, 0, 0, 0.2, 0.2, 0.3, 0.5, 1.6, 1.0);
INSERT INTO "A Numbers" VALUES (2, 0, 0, 0.4, 0, 0, 0, 0.15, 0.5, 0.65, 0.5, 1.6, 1.0);
INSERT INTO "A Numbers" VALUES (3, 0, 0.4, 0.4, 0, 0, 0, 0.15, 2.0, 0.65, 0.5, 1.6, 1.0);
INSERT INTO "A Numbers" VALUES (4, 0, 2.0, 0.4, 0, 0, 0, 0.15, 4.0, 1.5, 0.5, 1.6, 2.0);
INSERT INTO "A Numbers" VALUES (5, 0, 4.0, 0.4, 0, 0, 0, 0.15, 10.5, 1.5, 0.8, 1.2, 2.0);
INSERT INTO "A Numbers" VALUES (6, 0, 11.0, 0, 0, 0, 0, 0.15, 15.0, 0.7, 0.8, 2.0, 1.0);
INSERT INTO "A Numbers" VALUES (7, 0, 11.0, 0, 0, 0, 0, 0.15, 30.0, 1.0, 0.8, 1.0, 3.0);
INSERT INTO "A Numbers" VALUES (8, 0, 14.5, 0, 7.5, 0, 0, 0.15, 30.0, 4.0, 15.0, 2.5, 1.0);
INSERT INTO "A Numbers" VALUES (9, 0, 19.0, 0, 15.0, 0, 0, 0.3, 30.0, 6.0, 37.0, 2.5, 1.0);
INSERT INTO "A Numbers" VALUES (10, 0, 0, 0, 0.8, 0, 0, 0.15, 0.5, 0.55, 4.0, 1.7, 1.0);
INSERT INTO "A Numbers" VALUES (11, 0, 0, 0.25, 0, 1.25, 0, 0.17, 0.5, 0.75, 0.85, 2.25, 1.0);
INSERT INTO "A Numbers" VALUES (12, 0, 0, 0.25, 1.25, 0.75, 0, 0.15, 1.5, 0.8, 2.8, 2.25, 1.0);
