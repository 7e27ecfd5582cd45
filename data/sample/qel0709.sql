-- Sample reference database, newer layout: ASME IX 2007 Edition, 2009 Addenda (qel0709).
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
  "HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
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
INSERT INTO "Processes" VALUES ('OFW', 'Oxyfuel Gas Welding', 10, -1, -1, 0, -1, -1, 0, 0, 0, 0, -1, 0, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('SMAW', 'Shielded Metal Arc Welding', 20, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('SAW', 'Submerged Arc Welding', 30, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('GMAW', 'Gas Metal Arc Welding', 40, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('FCAW', 'Flux Cored Arc Welding', 50, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('GTAW', 'Gas Tungsten Arc Welding', 60, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('PAW', 'Plasma Arc Welding', 70, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('ESW', 'Electroslag Welding', 80, -1, -1, -1, 0, 0, 0, 0, -1, -1, 0, -1, -1, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('EGW', 'Electrogas Welding', 90, -1, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('EBW', 'Electron Beam Welding', 100, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('LBW', 'Laser Beam Welding', 110, -1, -1, 0, -1, -1, 0, 0, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('LLBW', 'Low-Power Density Laser Beam Welding', 120, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('STUD', 'Stud Welding', 130, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('RW', 'Resistance Welding', 140, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0);
INSERT INTO "Processes" VALUES ('RSW', 'Resistance Spot Welding', 150, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0);
INSERT INTO "Processes" VALUES ('RSEW', 'Resistance Seam Welding', 160, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0);
INSERT INTO "Processes" VALUES ('PW', 'Projection Welding', 170, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0);
INSERT INTO "Processes" VALUES ('FW', 'Flash Welding', 180, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0);
INSERT INTO "Processes" VALUES ('DFW', 'Diffusion Welding', 190, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('FRW', 'Friction Welding', 200, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0);
INSERT INTO "Processes" VALUES ('FSW', 'Friction Stir Welding', 210, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1);
INSERT INTO "Processes" VALUES ('FLSP', 'Flame Spraying (Spray Fuse)', 220, 0, 0, 0, 0, 0, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('PSP', 'Plasma Spraying (Spray Fuse)', 230, 0, 0, 0, 0, 0, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('TBW', 'Temper Bead Welding', 240, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
INSERT INTO "Processes" VALUES ('TTTS', 'Tube-to-Tubesheet Welding', 250, -1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

CREATE TABLE "Variables" (
  "variable" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "var_text" TEXT,
  "order" INTEGER NOT NULL,
  "ADDENDA" TEXT COLLATE NOCASE,
  "OFW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "OFW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SMAW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "SAW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GMAW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FCAW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "GTAW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PAW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "ESW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EGW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "EBW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LBW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "LLBW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_NON" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "STUD_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "RW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RSW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "RSEW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "PW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "FW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "DFW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FRW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FSW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "FLSP_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "PSP_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_NON" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "TBW_CRO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_NON" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_SUP" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_HFO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_HFO_NON" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_HFSF_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_HFSF_NON" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_CRO_ESS" BOOLEAN NOT NULL DEFAULT 0,
  "TTTS_CRO_NON" BOOLEAN NOT NULL DEFAULT 0
);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-100', 'QW-100  General

Sample text. This Part covers the qualification of welding procedures and of the welders and welding operators who use them. A procedure is qualified by welding a test coupon and testing it; the results are recorded on a PQR.

Sample text, continued. Many paragraphs of a real edition run to several pages of the database file, and so does this one. It is written to show how the program lists, shows, searches and prints such a text; nothing in it states a rule of any Code.

Why procedures are qualified. A welded joint must have the properties that its design assumes: strength, ductility and, where the service asks for it, toughness at low temperature. Those properties depend on how the weld is made: the process, the filler metal, the heat put into the joint, the preheat and the heat treatment after welding. A procedure ties these choices together, and its qualification shows, by tests of a coupon, that a joint made this way has the properties needed.

What a procedure holds. The written procedure names each choice that matters and gives its range: the base metals and their thicknesses, the filler metals and their classifications, the positions, the preheat and interpass temperatures, the gas, the electrical characteristics and the technique. The record of the qualification lists the values actually used on the coupon and the results of its tests. The procedure may be used in production only within the ranges that the record supports.

How the variables are grouped. Each choice is a variable, and the variables of a process are sorted into groups. An essential variable is one whose change affects the mechanical properties of the joint; a change beyond its range needs a new qualification. A supplementary essential variable counts as essential only where toughness tests are required. A nonessential variable may be changed by revising the written procedure, without a new coupon. The program lists the variables of each process by these groups, so that a reader sees at once which changes need new tests.

Ranges and limits. A qualification is never for one value alone. A coupon of a given thickness qualifies a range of thicknesses around it, a filler metal of one group qualifies the others of that group, and a test in one position qualifies the positions that are no harder to weld. The ranges are wide enough to be useful in production and narrow enough that the tests of the coupon still speak for every joint within them.

Tests of the coupon. The coupon is cut into specimens that are pulled apart, bent round a mandrel or broken at a set temperature, as the paragraphs of the testing articles describe. Each specimen must meet its acceptance values; a specimen that fails for a reason unrelated to the weld may be replaced, while one that fails in the weld ends the qualification.

The thickness of weld metal is treated apart from the thickness of the base metal. A process qualifies the thickness of weld metal it deposited on the coupon, within limits of its own, so that a joint welded with two processes is covered when each process stays within the weld metal thickness that it qualified.

Who is qualified. A welder or welding operator is qualified by welding a coupon that is then tested, either mechanically or by examination. The qualification covers ranges of its own: positions, thicknesses, diameters and filler metals. It lasts while the person keeps welding with the process, and lapses after a period without use.

Changes after qualification. Production rarely stays as it was when a procedure was qualified. A new supplier of filler metal, a different gas mixture, a larger joint or a new position each raises the question whether the qualification still covers the work. The answer lies in the groups of the variables: the paragraphs of each process say which changes need new tests and which need only a revised written procedure.

Records. The organization keeps the written procedures, the records of their qualification and the records of its welders'' qualifications, and shows them to the inspector on request. Each record is certified by the organization that made it, which stays responsible for it.

How to read this sample. Pick a process and a category to list the paragraphs that apply, or untick the box to list every paragraph. Type words into the search box to find the paragraphs that hold them; the words are coloured red in the text. Step through the list with the arrow buttons, open the grid of a variable to see the processes it applies to, and print a paragraph from the File menu.

Last words. The closing sentence of a long text stands on the last page of the file that holds it, so that a reader who sees this sentence knows the paragraph was shown whole: here ends the sample paragraph QW-100.', 20, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-100.1', 'QW-100.1  Procedure specification and record

Sample text. A welding procedure specification (WPS) gives the directions for making production welds. The procedure qualification record (PQR) records the actual values used to weld the test coupon and the test results. See QW-200.1 and QW-200.2.

Sample text, continued. The two documents answer different questions. The specification tells the welder what to do on the job: which process, which filler metal and what size of it, what current and voltage, what travel speed, what preheat, what sequence of passes. It gives each of these as a range, wide enough that a welder can work to it. The record tells the reader what was done once, on the coupon, and what the tests of that coupon showed. It gives each value as it was measured.

How they are tied. Every specification names the records that support it, and every range of the specification must lie within the ranges that those records qualify. One record may support many specifications, for example one for each joint design or position used in the shop, and one specification may rest on several records, for example where two processes are combined in one joint.

Changing a specification. A change of a nonessential variable is made by revising the specification; the records stay as they are. A change of an essential variable beyond its qualified range needs a new coupon and a new record. Where toughness tests are required, the supplementary essential variables are treated in the same way as the essential ones.

Form of the documents. Neither document has a fixed form. A sample form may be used, or the organization''s own, provided that it holds every variable that applies to the process and, for the record, every test result. Documents may be kept on paper or electronically, as long as they can be shown to the inspector and their certification can be checked.

Who signs them. The organization that welds the coupon certifies the record by signing it; it may not hand the welding of the coupon or the certification to another organization, although it may have the specimens machined and tested elsewhere. The specification is approved in the same way, by the organization that uses it.

What the program shows. This program does not write specifications or records. It shows the paragraphs that say which variables a specification and a record of a process must hold, so that a reader can check a document against them.

End of the sample paragraph QW-100.1.', 30, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-100.2', 'QW-100.2  Performance qualification

Sample text. A welder or welding operator shows the ability to make sound welds by welding a test coupon under a qualified WPS.', 40, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-101', 'QW-101  Scope

Sample text. The rules apply to the preparation of WPSs and to the qualification of procedures, welders and welding operators for the welding processes listed in QW-250.', 50, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-102', 'QW-102  Terms

Sample text. The terms used here are defined in QW-492. Other terms follow the AWS glossary of welding terms.', 60, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-103', 'QW-103  Responsibility

Sample text. Each organization is responsible for the welding done by its own staff and conducts the tests needed to qualify its procedures, welders and welding operators.', 70, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-103.2', 'QW-103.2  Records

Sample text. The organization keeps the PQRs and the performance qualification records and makes them available to the inspector.', 80, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-110', 'QW-110  Weld orientation

Sample text. The orientation of a weld is described by the inclination of its axis and the rotation of its face. The test positions are shown in QW-461.', 90, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-120', 'QW-120  Test positions for groove welds

Sample text. Groove welds may be tested in the flat, horizontal, vertical and overhead positions. For plate the positions are called 1G, 2G, 3G and 4G; for pipe 1G, 2G, 5G and 6G. See QW-461.1.', 100, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-130', 'QW-130  Test positions for fillet welds

Sample text. Fillet welds may be tested in the flat, horizontal, vertical and overhead positions, called 1F, 2F, 3F and 4F for plate. See QW-461.2.', 110, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-140', 'QW-140  Types and purposes of tests

Sample text. Mechanical tests used in procedure or performance qualification are tension tests, guided-bend tests, fillet-weld tests, notch-toughness tests and stud-weld tests.', 120, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-150', 'QW-150  Tension tests

Sample text. Tension tests determine the ultimate strength of groove-weld joints.', 130, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-151', 'QW-151  Tension test specimens

Sample text. Reduced-section specimens for plate and for pipe, turned specimens and full-section specimens may be used. Their shapes are shown in QW-462.1(a) and the related figures.', 140, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-153', 'QW-153  Acceptance criteria, tension

Sample text. A tension specimen passes when its tensile strength is not less than the minimum specified tensile strength of the base metal, with an allowance when it breaks outside the weld.', 150, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-160', 'QW-160  Guided-bend tests

Sample text. Guided-bend tests check the soundness and ductility of groove-weld joints. Face, root and side bends are used; the jigs are shown in QW-466.1.', 160, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-163', 'QW-163  Acceptance criteria, bend

Sample text. A bent specimen passes when no open discontinuity on its convex surface exceeds 1/8 in. (3 mm) in any direction, with the exceptions given for corner cracks.', 170, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-170', 'QW-170  Notch-toughness tests

Sample text. Notch-toughness tests are made when other Sections require them. The impact test requirements bring in the supplementary essential variables.', 180, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-180', 'QW-180  Fillet-weld tests

Sample text. Fillet-weld tests check the size, contour and soundness of fillet welds. Nonpressure-retaining fillet welds may be qualified by the macro tests of QW-462.4(a) and QW-462.4(d).', 190, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-181.1.1', 'QW-181.1.1  Production assembly mockups

Sample text. A production assembly mockup may be used in place of the fillet-weld test coupon. The mockup is cut across the weld and the cut faces are examined as macro specimens.', 200, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-183', 'QW-183  Macro-examination, procedure

Sample text. The cross section of a fillet-weld specimen is smoothed and etched. It shows complete fusion and no cracks; the legs of the fillet differ by no more than 1/8 in. (3 mm).', 210, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-190', 'QW-190  Other tests and examinations

Sample text. This paragraph collects the tests of the processes that are not qualified with bend and tension tests: stud welds, resistance welds, friction welds and flash welds.', 220, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-192', 'QW-192  Stud-weld tests

Sample text. Ten stud welds are bent or torqued to qualify a stud welding procedure; five are also sectioned for macro-examination. See QW-202.5.', 230, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-196', 'QW-196  Resistance weld testing

Sample text. Resistance spot and seam welds are qualified by shear tests, peel tests and macro sections. The number of specimens depends on the nominal thickness.', 240, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-199.1', 'QW-199.1  Flash welding tests

Sample text. Flash welds are qualified by tension tests, bend tests and macro-examination of test welds made from the same size of material as production. The number of test welds depends on the size.', 250, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-200', 'QW-200  General (WPS and PQR)

Sample text. Each organization prepares written welding procedure specifications and qualifies them by procedure qualification tests.', 260, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-200.1', 'QW-200.1  Welding procedure specification (WPS)

Sample text. A WPS lists the essential and nonessential variables of each process it uses, and the supplementary essential variables when notch toughness is required. A WPS may be supported by one or more PQRs.

A change in a nonessential variable only needs a revised WPS.', 270, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-200.2', 'QW-200.2  Procedure qualification record (PQR)

Sample text. The PQR records the essential variables used to weld the test coupon, the supplementary essential variables where they apply, and the results of the tests.', 280, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-200.3', 'QW-200.3  P-numbers

Sample text. Base metals are grouped by P-number to reduce the number of procedure qualifications. See QW-420 and QW/QB-422.', 290, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-200.4', 'QW-200.4  Combination of welding procedures

Sample text. More than one procedure may be used in one weld. (a) Each procedure is qualified for the thickness of weld metal it deposits. (b) A process may be qualified for the root deposit only, within the limits of its own qualification; the root deposit then counts towards the qualified thickness of that process alone.

Sample text, continued. Combined procedures are common in practice. A pipe joint may be rooted with a gas tungsten arc and filled with a shielded metal arc; a thick plate may take a few passes of one process at the root and a faster process for the fill and the cap. Each part of such a joint is made to its own procedure, and the combination is qualified by qualifying each part.

One coupon or several. The parts may be qualified on one coupon that is welded with every process of the combination, or each part on a coupon of its own. With one coupon, the record lists the deposit thickness of each process, and each process is qualified for the weld metal thickness that it deposited. With separate coupons, each record stands for its process alone, and the specification of the combined joint names them all.

The root deposit. A process used only for the root needs a qualification that covers the thickness of the root deposit, not the thickness of the whole joint. Where the root is welded on a coupon of its own, a minimum number of layers of the root process is asked for, so that its tests speak for the root that production will see. The later processes then cover the rest of the thickness.

Limits of the combination. The base metal thickness range of the combined joint follows the coupon, while the weld metal thickness of each process follows its own deposit. Toughness tests, where they are required, are taken so that the specimens contain the weld metal of each process, or are taken for each process on its own.

Welders of combined joints. Each welder is qualified for the process that he or she uses. A welder who makes only the root with one process needs a qualification for that process and the root thickness; a welder who makes the whole joint needs qualifications for every process of it, which may come from one coupon welded with all of them.

Documenting it. The specification of a combined joint names each process, the order in which they are used and the thickness each may deposit. The welder reads from it where one process ends and the next begins.

End of the sample paragraph QW-200.4.', 300, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-201', 'QW-201  Organization''s responsibility

Sample text. The organization certifies that the tests were made and recorded as required. The PQR is signed by the organization.', 310, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202', 'QW-202  Type of tests required

Sample text. The tests for each type of weld are listed in QW-451 for groove welds, QW-453 for overlays and QW-180 for fillet welds.', 320, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202.2', 'QW-202.2  Groove and fillet welds

Sample text. (a) Qualification in groove welds qualifies the thickness ranges of QW-451. (b) Partial penetration groove welds are qualified by a complete penetration test, within the limits given for the base metal and deposited weld metal. (c) Fillet welds are qualified by groove-weld tests as well.', 330, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202.3', 'QW-202.3  Weld repair and buildup

Sample text. Weld repair and buildup are qualified by a groove-weld test. There is no upper limit on the base metal thickness when the test coupon is 1-1/2 in. (38 mm) thick or more.', 340, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202.4', 'QW-202.4  Dissimilar base metal thicknesses

Sample text. A WPS qualified on test coupons of the same thickness may be applied to production welds between dissimilar thicknesses, provided each thickness is within its qualified range or the thinner member meets the stated limits.', 350, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-202.5', 'QW-202.5  Stud welding

Sample text. Stud welding procedures are qualified by the tests of QW-192. Studs used for extended heating surfaces may be qualified with fewer tests when the base plate is P-number 1.', 360, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-203', 'QW-203  Limits of qualified positions

Sample text. Unless a position is an essential or supplementary essential variable, a procedure qualified in any position qualifies all positions.', 370, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-214', 'QW-214  Corrosion-resistant weld metal overlay

Sample text. Corrosion-resistant overlays are qualified by the tests of QW-453. Their chemical analysis is taken at the minimum thickness qualified.', 380, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-216', 'QW-216  Hard-facing weld metal overlay

Sample text. Hard-facing overlays are qualified by the tests of QW-453, including hardness readings. Spray-fuse overlays follow their own variables.', 390, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-250', 'QW-250  Welding variables

Sample text. The tables that follow list, for each welding process, the variables that apply and whether they are essential, supplementary essential or nonessential.', 400, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-251.2', 'QW-251.2  Essential variables

Sample text. Essential variables are those in which a change affects the mechanical properties of the weldment and requires requalification of the WPS.', 410, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-251.3', 'QW-251.3  Supplementary essential variables

Sample text. Supplementary essential variables apply when notch-toughness tests are required. They are added to the essential variables of the process.', 420, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-251.4', 'QW-251.4  Nonessential variables

Sample text. Nonessential variables may be changed by revising the WPS without a new PQR.', 430, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-252', 'QW-252  Variables table, OFW

Sample text. List of the procedure variables that apply to oxyfuel gas welding.', 440, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-253', 'QW-253  Variables table, SMAW

Sample text. List of the procedure variables that apply to shielded metal arc welding.', 450, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-254', 'QW-254  Variables table, SAW

Sample text. List of the procedure variables that apply to submerged arc welding.', 460, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-255', 'QW-255  Variables table, GMAW and FCAW

Sample text. List of the procedure variables that apply to gas metal arc and flux cored arc welding.', 470, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-256', 'QW-256  Variables table, GTAW

Sample text. List of the procedure variables that apply to gas tungsten arc welding.', 480, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-257', 'QW-257  Variables table, PAW

Sample text. List of the procedure variables that apply to plasma arc welding.', 490, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-258', 'QW-258  Variables table, ESW

Sample text. List of the procedure variables that apply to electroslag welding.', 500, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-259', 'QW-259  Variables table, EGW

Sample text. List of the procedure variables that apply to electrogas welding.', 510, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-260', 'QW-260  Variables table, EBW

Sample text. List of the procedure variables that apply to electron beam welding.', 520, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-261', 'QW-261  Variables table, stud welding

Sample text. List of the procedure variables that apply to stud welding.', 530, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-262', 'QW-262  Variables table, friction welding

Sample text. List of the procedure variables that apply to inertia and continuous drive friction welding.', 540, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-263', 'QW-263  Variables table, resistance welding

Sample text. List of the procedure variables that apply to resistance spot, seam and projection welding.', 550, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-264', 'QW-264  Variables table, LBW

Sample text. List of the procedure variables that apply to laser beam welding.', 560, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-265', 'QW-265  Variables table, flash welding

Sample text. List of the procedure variables that apply to flash welding.', 570, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-266', 'QW-266  Variables table, diffusion welding

Sample text. List of the procedure variables that apply to diffusion welding.', 580, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-267', 'QW-267  Variables table, friction stir welding

Sample text. List of the procedure variables that apply to friction stir welding.', 590, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-288', 'QW-288  Tube-to-tubesheet qualification

Sample text. Tube-to-tubesheet welds may be qualified on a mockup that represents the production joint. The mockup is sectioned and examined.', 600, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-290', 'QW-290  Temper bead welding

Sample text. Temper bead welding may be used in place of postweld heat treatment where another Section allows it. Its variables are added to those of the process used.', 610, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-300', 'QW-300  Welding performance qualification

Sample text. Welders and welding operators are qualified by welding test coupons and having them examined or tested. Performance qualification is not covered in detail by this sample.', 620, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-400', 'QW-400  Variables

Sample text. The variables are grouped under joints, base metals, filler metals, positions, preheat, postweld heat treatment, gas, electrical characteristics and technique.', 630, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-401', 'QW-401  General

Sample text. Each variable is described in the paragraphs QW-402 to QW-410. Whether it is essential, supplementary essential or nonessential depends on the process; see QW-250.', 640, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO_ESS", "SMAW_NON", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_NON", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_NON", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_NON", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_NON", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_NON", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_ESS", "ESW_NON", "ESW_CRO_ESS", "EGW_ESS", "EGW_NON", "EBW_ESS", "EBW_NON", "LBW_ESS", "LBW_NON", "LBW_HFO_ESS", "LBW_CRO_ESS", "LLBW_ESS", "LLBW_NON", "STUD_ESS", "STUD_NON", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS", "FW_ESS", "DFW_ESS", "FRW_ESS", "FSW_ESS", "FLSP_HFSF_ESS", "PSP_HFSF_ESS", "TBW_ESS", "TTTS_ESS") VALUES ('QW-402', 'QW-402  JOINTS

Sample text. The joint variables deal with the shape of the joint, its backing, root spacing and retainers. The welding procedure specification lists the joint details that the procedure allows; sketches or a written description may be used.', 650, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON", "ESW_NON", "EGW_NON") VALUES ('QW-402.1', 'QW-402.1  Groove design

Sample text. A change in the type of groove, for example from a V-groove to a U-groove, or in the groove angle. The procedure shows the grooves it allows.', 660, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS", "LLBW_ESS") VALUES ('QW-402.2', 'QW-402.2  Backing

Sample text. Welding with backing when the test coupon had none, or the reverse, for the beam processes.', 670, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_NON", "LBW_NON", "LLBW_NON") VALUES ('QW-402.3', 'QW-402.3  Backing composition

Sample text. A change in the nominal composition of a backing strip or ring.', 680, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-402.4', 'QW-402.4  Deletion of backing

Sample text. Leaving out backing in a single-welded groove weld. Double-welded joints count as welded with backing.', 690, NULL, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON") VALUES ('QW-402.5', 'QW-402.5  Addition of backing

Sample text. Adding backing, or a change in its nominal composition, for oxyfuel gas welding.', 700, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS", "LLBW_ESS", "FSW_ESS") VALUES ('QW-402.6', 'QW-402.6  Fit-up tolerance

Sample text. An increase in the fit-up gap beyond the gap of the test coupon.', 710, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "ESW_ESS", "EGW_ESS") VALUES ('QW-402.7', 'QW-402.7  Addition of backing (ESW, EGW)

Sample text. Adding backing for electroslag or electrogas welding, or changing its cooling arrangement.', 720, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-402.8', 'QW-402.8  Stud shape and size

Sample text. A change in the shape or the size of the stud at the end that is welded. The diameter qualified is the nominal size tested.', 730, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_NON") VALUES ('QW-402.9', 'QW-402.9  Stud shielding

Sample text. A change in the shielding ferrule or in the flux used with the stud.', 740, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-402.10', 'QW-402.10  Root spacing

Sample text. A change in the specified root spacing.', 750, NULL, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON", "ESW_NON", "EGW_NON") VALUES ('QW-402.11', 'QW-402.11  Retainers

Sample text. Adding or leaving out nonmetallic retainers or nonfusing metal retainers.', 760, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FRW_ESS") VALUES ('QW-402.12', 'QW-402.12  Friction weld joint

Sample text. A change in the cross section of the weld interface, for example from a solid bar joint to a tubular joint, or a change in the included angle of a faying surface beyond the range tested.', 770, '08r', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-402.13', 'QW-402.13  Joint spacing (resistance)

Sample text. A change in the spacing of spot or seam welds, or in the overlap of the sheets, beyond the values tested.', 780, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "PW_ESS") VALUES ('QW-402.14', 'QW-402.14  Projections

Sample text. A change in the shape, the height or the number of projections.', 790, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "DFW_ESS") VALUES ('QW-402.15', 'QW-402.15  Diffusion joint

Sample text. A change in the joint configuration or in the preparation of the surfaces that are joined by diffusion welding.', 800, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO_ESS", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-402.16', 'QW-402.16  Overlay finished thickness

Sample text. A finished overlay thickness smaller than the thickness qualified. The qualified minimum is found as Figure QW-462.5(a) shows.', 810, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-402.17', 'QW-402.17  Spray fuse thickness

Sample text. A finished spray-fuse thickness larger than the thickness qualified.', 820, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LLBW_ESS") VALUES ('QW-402.18', 'QW-402.18  Lap joint (LLBW)

Sample text. A change in the number of sheets in a lap joint, or in the overlap, beyond the values tested.', 830, '09a', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TTTS_ESS") VALUES ('QW-402.19', 'QW-402.19  Tube-to-tubesheet joint

Sample text. A change in the joint preparation, the tube pitch or the projection of the tube end beyond what the mockup showed.', 840, '09a', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-402.20', 'QW-402.20  Friction stir joint

Sample text. A change in the joint design, for example from a butt joint to a lap joint, or an increase in the joint gap.', 850, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FW_ESS") VALUES ('QW-402.21', 'QW-402.21  Flash weld joint

Sample text. A change in the shape or the area of the faying surfaces of a flash weld beyond the range tested.', 860, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TBW_ESS") VALUES ('QW-402.22', 'QW-402.22  Temper bead surface

Sample text. A change from a flat or rounded surface to a more restrained geometry where temper bead welding is used.', 870, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "OFW_HFO_ESS", "SMAW_ESS", "SMAW_SUP", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_ESS", "SAW_SUP", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_ESS", "GMAW_SUP", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_ESS", "FCAW_SUP", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_ESS", "GTAW_SUP", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_ESS", "PAW_SUP", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_ESS", "ESW_SUP", "ESW_CRO_ESS", "EGW_ESS", "EGW_SUP", "EBW_ESS", "LBW_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS", "LLBW_ESS", "STUD_ESS", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS", "FW_ESS", "DFW_ESS", "FRW_ESS", "FSW_ESS", "FLSP_HFSF_ESS", "PSP_HFSF_ESS", "TBW_ESS", "TTTS_ESS") VALUES ('QW-403', 'QW-403  BASE METALS

Sample text. The base metal variables deal with the P-numbers and group numbers of the materials welded and with the thickness range that a procedure qualification test covers. Table QW/QB-422 assigns the numbers; QW-451 gives the thickness ranges.', 880, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS", "LLBW_ESS", "FW_ESS", "DFW_ESS", "FRW_ESS") VALUES ('QW-403.1', 'QW-403.1  P-number

Sample text. A change from one P-number to any other P-number, or to a base metal that has no P-number.', 890, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS", "FRW_ESS") VALUES ('QW-403.2', 'QW-403.2  Maximum thickness

Sample text. An increase in the thickness of the base metal beyond the thickness of the test coupon.', 900, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-403.3', 'QW-403.3  Penetration

Sample text. For full penetration welds the qualified thickness is the thickness tested; where penetration can be measured visually or mechanically, the depth of penetration tested governs.', 910, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-403.5', 'QW-403.5  Group number

Sample text. Where notch toughness is required, base metals are qualified within their P-number and group number only.', 920, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-403.6', 'QW-403.6  T limits, impact testing

Sample text. Where notch toughness is required, the lowest base metal thickness qualified is the test coupon thickness T or 5/8 in. (16 mm), whichever is less. See QW-451 for the other limits.', 930, '08r', -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS") VALUES ('QW-403.7', 'QW-403.7  T limits over 8 in.

Sample text. For test coupons of 1-1/2 in. (38 mm) and over, the upper limit rules of QW-451 apply with the exceptions given here for thicknesses over 8 in. (200 mm).', 940, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-403.8', 'QW-403.8  T qualified

Sample text. A change in the base metal thickness beyond the range qualified in QW-451. The range follows from the thickness T of the groove weld test coupon.', 950, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-403.9', 'QW-403.9  t pass over 1/2 in.

Sample text. For single-pass or multipass welding in which any pass is thicker than 1/2 in. (13 mm), an increase in base metal thickness beyond 1.1 times the test coupon thickness.', 960, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS") VALUES ('QW-403.10', 'QW-403.10  Short-circuiting limits

Sample text. For short-circuiting transfer, the greatest base metal thickness qualified is 1.1 times the test coupon thickness when the coupon is thinner than 1/2 in. (13 mm).', 970, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-403.11', 'QW-403.11  P-number qualified

Sample text. Base metals of one P-number are qualified by a test on that P-number. The P-numbers are listed in QW/QB-422; see also QW-424.1.', 980, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FW_ESS") VALUES ('QW-403.12', 'QW-403.12  Base metal chemistry

Sample text. Deleted in the 2009 Addenda; kept here for reference. A change in the nominal composition of the base metal beyond the limits tested.', 990, '09d', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-403.13', 'QW-403.13  P-numbers 5, 9 and 10

Sample text. A change from one P-number 5, 9 or 10 group to another, or a change in the nominal composition within these P-numbers.', 1000, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS", "LLBW_ESS") VALUES ('QW-403.15', 'QW-403.15  P-number (beam processes)

Sample text. A change in P-number for the beam processes, with the few exceptions given for related groups.', 1010, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-403.17', 'QW-403.17  Stud and base metal combination

Sample text. A change in the combination of stud material and base metal beyond the combination tested.', 1020, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-403.18', 'QW-403.18  P-number (resistance)

Sample text. A change from one P-number to another for resistance welding, or to a combination of P-numbers not tested.', 1030, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-403.19', 'QW-403.19  Base metal coating

Sample text. A change in the coating, plating or surface treatment of the base metal.', 1040, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO_ESS", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-403.20', 'QW-403.20  P-number (overlay)

Sample text. A change in P-number of the base metal that receives the overlay.', 1050, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-403.21', 'QW-403.21  Thickness combination (resistance)

Sample text. A change in the number of layers or in the combination of thicknesses welded.', 1060, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-403.22', 'QW-403.22  Nominal thickness (resistance)

Sample text. A change in the nominal thickness of either member beyond the range that the tests cover.', 1070, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO_ESS", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-403.23', 'QW-403.23  Base metal thickness (overlay)

Sample text. A base metal thickness less than the thickness of the test coupon, for coupons under 1 in. (25 mm). Thicker coupons qualify all thicknesses of 1 in. and over.', 1080, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-403.24', 'QW-403.24  Base metal (spray fuse)

Sample text. A change in the base metal specification or in the base metal thickness beyond the range tested for spray-fuse overlays.', 1090, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FW_ESS") VALUES ('QW-403.25', 'QW-403.25  Thickness (flash)

Sample text. A change in the nominal diameter or the nominal thickness of the parts that are flash welded.', 1100, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FRW_ESS") VALUES ('QW-403.27', 'QW-403.27  Thickness (friction)

Sample text. A change in the diameter or the wall thickness of the parts beyond the range allowed by the test.', 1110, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-403.29', 'QW-403.29  Base metal (friction stir)

Sample text. A change in the base metal specification, grade or temper beyond what the test covered.', 1120, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-403.30', 'QW-403.30  Thickness (friction stir)

Sample text. A change in the base metal thickness beyond the range qualified for friction stir welding.', 1130, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TTTS_ESS") VALUES ('QW-403.31', 'QW-403.31  Tube wall thickness

Sample text. A change in the tube wall thickness or the tube diameter beyond the range of the mockup.', 1140, '09a', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TBW_ESS") VALUES ('QW-403.32', 'QW-403.32  Base metal (temper bead)

Sample text. A change in the P-number or group number of the base metal that receives the temper bead weld.', 1150, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "OFW_NON", "SMAW_ESS", "SMAW_NON", "SMAW_SUP", "SMAW_HFO_ESS", "SMAW_HFO_NON", "SMAW_CRO_ESS", "SMAW_CRO_NON", "SAW_ESS", "SAW_NON", "SAW_SUP", "SAW_HFO_ESS", "SAW_HFO_NON", "SAW_CRO_ESS", "SAW_CRO_NON", "GMAW_ESS", "GMAW_NON", "GMAW_SUP", "GMAW_HFO_ESS", "GMAW_HFO_NON", "GMAW_CRO_ESS", "GMAW_CRO_NON", "FCAW_ESS", "FCAW_NON", "FCAW_SUP", "FCAW_HFO_ESS", "FCAW_HFO_NON", "FCAW_CRO_ESS", "FCAW_CRO_NON", "GTAW_ESS", "GTAW_NON", "GTAW_HFO_ESS", "GTAW_HFO_NON", "GTAW_CRO_ESS", "GTAW_CRO_NON", "PAW_ESS", "PAW_NON", "PAW_HFO_ESS", "PAW_HFO_NON", "PAW_CRO_ESS", "PAW_CRO_NON", "ESW_ESS", "ESW_CRO_ESS", "EGW_ESS", "EBW_ESS", "LBW_ESS", "LBW_HFO_ESS", "LBW_HFO_NON", "LBW_CRO_ESS", "LBW_CRO_NON", "FLSP_HFSF_ESS", "FLSP_HFSF_NON", "PSP_HFSF_ESS", "PSP_HFSF_NON", "TBW_ESS", "TTTS_ESS") VALUES ('QW-404', 'QW-404  FILLER METALS

Sample text. The filler metal variables deal with the F-number and A-number of the filler metal, its size, its classification and the deposited weld metal thickness. See QW-432 for F-numbers and QW-442 for A-numbers.', 1160, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "ESW_ESS") VALUES ('QW-404.1', 'QW-404.1  Cross section or speed of electrode

Sample text. Deleted in the 2009 Addenda; kept here for reference. A change in the cross section or the feed speed of the electrode beyond the range tested.', 1170, '09d', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-404.3', 'QW-404.3  Size of filler metal

Sample text. A change in the size of the filler metal.', 1180, NULL, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-404.4', 'QW-404.4  F-number

Sample text. A change from one F-number in QW-432 to any other F-number, or to a filler metal not listed there.', 1190, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-404.5', 'QW-404.5  A-number

Sample text. For ferrous weld metal, a change in the chemical composition of the deposit from one A-number in QW-442 to another. The A-number may be found from the filler metal analysis, the deposit analysis or the classification.', 1200, '07r', -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON") VALUES ('QW-404.6', 'QW-404.6  Diameter of electrode

Sample text. A change in the nominal diameter of the electrode.', 1210, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP") VALUES ('QW-404.7', 'QW-404.7  Diameter over 1/4 in.

Sample text. A change in the nominal diameter of the electrode to over 1/4 in. (6 mm) where notch toughness is required.', 1220, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-404.8', 'QW-404.8  Filler metal addition (beam)

Sample text. Adding filler metal, or leaving it out, for the beam processes.', 1230, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_NON") VALUES ('QW-404.9', 'QW-404.9  Flux and wire classification

Sample text. A change in the flux and wire classification, or in the brand name of the flux where neither is classified.', 1240, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_ESS") VALUES ('QW-404.10', 'QW-404.10  Alloy flux

Sample text. Where the alloy content of the weld metal depends on the flux, a change in the flux that changes the weld metal beyond the limits tested.', 1250, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP") VALUES ('QW-404.12', 'QW-404.12  Classification

Sample text. A change in the specification classification of the filler metal where notch toughness is required.', 1260, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GTAW_ESS", "PAW_ESS") VALUES ('QW-404.14', 'QW-404.14  Filler metal addition

Sample text. Adding filler metal, or leaving it out.', 1270, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "ESW_ESS") VALUES ('QW-404.17', 'QW-404.17  Flux type (ESW)

Sample text. A change in the flux type or its nominal composition for electroslag welding.', 1280, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "ESW_ESS", "EGW_ESS") VALUES ('QW-404.18', 'QW-404.18  Consumable guide

Sample text. A change from wire to plate electrodes, or the reverse, or a change in the nominal composition of a consumable guide.', 1290, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-404.20', 'QW-404.20  Filler metal method (beam)

Sample text. A change in the way filler metal is added, for example from preplaced shims to wire feed.', 1300, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-404.21', 'QW-404.21  Filler metal composition (beam)

Sample text. A change in the nominal composition of the filler metal for the beam processes.', 1310, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GTAW_NON", "PAW_NON") VALUES ('QW-404.22', 'QW-404.22  Consumable insert

Sample text. Adding or leaving out consumable inserts, or a change in their shape.', 1320, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GTAW_NON", "PAW_NON") VALUES ('QW-404.23', 'QW-404.23  Filler metal product form

Sample text. A change from bare wire to flux cored or metal cored wire, or the reverse.', 1330, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_ESS", "ESW_ESS") VALUES ('QW-404.24', 'QW-404.24  Supplementary filler

Sample text. Adding supplementary filler metal, or leaving it out, or a change of more than 10% in its amount.', 1340, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_NON") VALUES ('QW-404.27', 'QW-404.27  Alloy elements

Sample text. A change in the alloy elements added through the flux or the supplementary filler metal.', 1350, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_NON") VALUES ('QW-404.29', 'QW-404.29  Flux designation

Sample text. A change in the flux trade name and designation.', 1360, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-404.30', 'QW-404.30  Deposited weld metal thickness t

Sample text. A change in the deposited weld metal thickness t beyond the range qualified in QW-451 for each process. For a groove weld, t is measured in the groove of the test coupon.', 1370, '08r', -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS") VALUES ('QW-404.32', 'QW-404.32  t for short-circuiting transfer

Sample text. For short-circuiting transfer, the greatest weld metal thickness qualified is 1.1 times the thickness deposited in the test coupon when it is less than 1/2 in. (13 mm).', 1380, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-404.33', 'QW-404.33  AWS classification

Sample text. A change in the AWS classification of the filler metal, or to a filler metal not classified.', 1390, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_ESS") VALUES ('QW-404.34', 'QW-404.34  Flux type (SAW)

Sample text. A change from neutral to active flux, or the reverse.', 1400, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_SUP") VALUES ('QW-404.35', 'QW-404.35  Flux and wire (impact)

Sample text. A change in the flux and wire classification where notch toughness is required.', 1410, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_SUP") VALUES ('QW-404.36', 'QW-404.36  Recrushed slag

Sample text. Use of recrushed slag as flux where notch toughness is required.', 1420, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-404.37', 'QW-404.37  Overlay composition

Sample text. A change in the composition of the deposited overlay beyond the analysis tested.', 1430, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_HFO_NON", "SMAW_CRO_NON", "SAW_HFO_NON", "SAW_CRO_NON", "GMAW_HFO_NON", "GMAW_CRO_NON", "FCAW_HFO_NON", "FCAW_CRO_NON", "GTAW_HFO_NON", "GTAW_CRO_NON", "PAW_HFO_NON", "PAW_CRO_NON") VALUES ('QW-404.38', 'QW-404.38  Electrode diameter (overlay)

Sample text. A change in the nominal diameter of the electrode used for the first overlay layer.', 1440, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_HFO_ESS", "SAW_CRO_ESS", "ESW_CRO_ESS") VALUES ('QW-404.39', 'QW-404.39  Flux for overlay

Sample text. A change in the nominal composition or the type of flux used for the overlay.', 1450, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "PAW_HFO_ESS", "PAW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-404.41', 'QW-404.41  Powder feed rate

Sample text. A change of more than 10% in the powder feed rate.', 1460, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "PAW_HFO_ESS", "PAW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-404.42', 'QW-404.42  Powder type

Sample text. A change in the type or the nominal composition of the powder.', 1470, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "PAW_HFO_NON", "PAW_CRO_NON", "LBW_HFO_NON", "LBW_CRO_NON") VALUES ('QW-404.43', 'QW-404.43  Particle size

Sample text. A change in the particle size range of the powder.', 1480, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-404.44', 'QW-404.44  Spray powder composition

Sample text. A change in the nominal composition of the spray-fuse powder.', 1490, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_NON", "PSP_HFSF_NON") VALUES ('QW-404.45', 'QW-404.45  Spray powder feed

Sample text. A change in the rate or the method of powder feed for spray fuse.', 1500, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_NON", "PSP_HFSF_NON") VALUES ('QW-404.46', 'QW-404.46  Spray powder particle size

Sample text. A change in the particle size range of the spray-fuse powder.', 1510, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TTTS_ESS") VALUES ('QW-404.47', 'QW-404.47  Preplaced filler (tube-to-tubesheet)

Sample text. Adding preplaced filler rings, or leaving them out, or a change in their size.', 1520, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TBW_ESS") VALUES ('QW-404.48', 'QW-404.48  Filler metal (temper bead)

Sample text. A change in the F-number or the diameter of the filler metal used for temper bead layers.', 1530, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO_ESS", "OFW_HFO_NON", "SMAW_NON", "SMAW_SUP", "SMAW_HFO_ESS", "SMAW_HFO_NON", "SMAW_CRO_ESS", "SMAW_CRO_NON", "SAW_NON", "SAW_SUP", "SAW_HFO_ESS", "SAW_HFO_NON", "SAW_CRO_ESS", "SAW_CRO_NON", "GMAW_NON", "GMAW_SUP", "GMAW_HFO_ESS", "GMAW_HFO_NON", "GMAW_CRO_ESS", "GMAW_CRO_NON", "FCAW_NON", "FCAW_SUP", "FCAW_HFO_ESS", "FCAW_HFO_NON", "FCAW_CRO_ESS", "FCAW_CRO_NON", "GTAW_NON", "GTAW_SUP", "GTAW_HFO_ESS", "GTAW_HFO_NON", "GTAW_CRO_ESS", "GTAW_CRO_NON", "PAW_NON", "PAW_SUP", "PAW_HFO_ESS", "PAW_HFO_NON", "PAW_CRO_ESS", "PAW_CRO_NON", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_HFO_NON", "LBW_CRO_ESS", "LBW_CRO_NON", "STUD_ESS", "FLSP_HFSF_NON", "PSP_HFSF_NON", "TBW_NON", "TTTS_ESS") VALUES ('QW-405', 'QW-405  POSITIONS

Sample text. The position variables deal with the positions in which welding is done and the progression of vertical welding. The test positions are shown in QW-461.', 1540, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO_NON", "SMAW_NON", "SMAW_HFO_NON", "SMAW_CRO_NON", "SAW_NON", "SAW_HFO_NON", "SAW_CRO_NON", "GMAW_NON", "GMAW_HFO_NON", "GMAW_CRO_NON", "FCAW_NON", "FCAW_HFO_NON", "FCAW_CRO_NON", "GTAW_NON", "GTAW_HFO_NON", "GTAW_CRO_NON", "PAW_NON", "PAW_HFO_NON", "PAW_CRO_NON", "LBW_HFO_NON", "LBW_CRO_NON", "TBW_NON") VALUES ('QW-405.1', 'QW-405.1  Addition of positions

Sample text. Adding other welding positions than those already qualified. The test positions are shown in QW-461.1 and QW-461.2.', 1550, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP") VALUES ('QW-405.2', 'QW-405.2  Position (impact)

Sample text. A change from any position to the vertical position uphill where notch toughness is required.', 1560, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-405.3', 'QW-405.3  Vertical progression

Sample text. A change from upward to downward, or from downward to upward, in the progression of vertical welding.', 1570, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO_ESS", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-405.4', 'QW-405.4  Position (overlay)

Sample text. A change from the qualified position to another position for overlay welding; some positions qualify others.', 1580, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_NON", "PSP_HFSF_NON") VALUES ('QW-405.5', 'QW-405.5  Position (spray fuse)

Sample text. A change in the position of the part during spraying.', 1590, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-405.6', 'QW-405.6  Position (stud)

Sample text. A change in position beyond the positions qualified for stud welding.', 1600, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TTTS_ESS") VALUES ('QW-405.7', 'QW-405.7  Position (tube-to-tubesheet)

Sample text. A change in the position of the tubesheet from the position of the mockup.', 1610, '09a', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "OFW_HFO_ESS", "SMAW_ESS", "SMAW_NON", "SMAW_SUP", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_ESS", "SAW_NON", "SAW_SUP", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_ESS", "GMAW_NON", "GMAW_SUP", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_ESS", "FCAW_NON", "FCAW_SUP", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_ESS", "GTAW_NON", "GTAW_SUP", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_ESS", "PAW_NON", "PAW_SUP", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_ESS", "ESW_SUP", "ESW_CRO_ESS", "EGW_ESS", "EGW_SUP", "LBW_HFO_ESS", "LBW_CRO_ESS", "STUD_ESS", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS", "FSW_ESS", "FLSP_HFSF_ESS", "PSP_HFSF_ESS", "TBW_ESS") VALUES ('QW-406', 'QW-406  PREHEAT

Sample text. The preheat variables deal with the lowest preheat temperature, its maintenance and the highest interpass temperature.', 1620, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-406.1', 'QW-406.1  Decrease in preheat

Sample text. A decrease of more than 100 F (55 C) in the preheat temperature qualified.', 1630, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-406.2', 'QW-406.2  Preheat maintenance

Sample text. A change in the maintenance or the reduction of preheat after welding and before postweld heat treatment.', 1640, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-406.3', 'QW-406.3  Increase in interpass temperature

Sample text. An increase of more than 100 F (55 C) in the highest interpass temperature recorded on the PQR where notch toughness is required.

Sample text, continued. The interpass temperature is the temperature of the weld area between passes, just before the next pass begins. A high interpass temperature slows the cooling of each pass; the grain of the weld metal and of the heat-affected zone then grows coarser, and its toughness at low temperature falls.

Measuring it. The temperature is taken on the base metal next to the joint, or on the weld metal of the last pass, with a contact thermometer, temperature-indicating crayons or an infrared instrument. The highest value seen during the welding of the coupon is the one recorded, and it is that value which sets the limit for production.

When it applies. The variable counts only where toughness tests are required, which is why it is a supplementary essential variable. Where no toughness tests are required, the interpass temperature may still be limited by the specification, for example to protect a heat-treated base metal, but a change of it needs no new coupon.

Why the limit is 100 F. A small change of the interpass temperature changes the cooling of the weld little, and the tests of the coupon still speak for it. A larger change may move the weld metal into a different structure, with a toughness that the coupon never showed; the limit marks the point beyond which the tests no longer speak for production.

In production. Thick joints store heat, and a welder who works fast may raise the interpass temperature above the limit without noticing. A specification that sets the limit usually also says how often to check it, and what to do when it is exceeded: stop and let the joint cool before the next pass.

Record it. The record of the coupon gives the highest interpass temperature reached, not the one planned, and the welding records of production may be checked against it.

End of the sample paragraph QW-406.3.', 1650, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO_ESS", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-406.4', 'QW-406.4  Preheat (overlay)

Sample text. A decrease of more than 100 F (55 C) in preheat, or an increase in the highest interpass temperature, for overlays.', 1660, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-406.5', 'QW-406.5  Preheat (resistance)

Sample text. Adding or leaving out preheat for resistance welding, or a change in its temperature.', 1670, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-406.6', 'QW-406.6  Preheat (spray fuse)

Sample text. A change in the preheat or the fusing temperature of the spray-fuse part.', 1680, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-406.7', 'QW-406.7  Preheat (friction stir)

Sample text. A change in preheat of more than 100 F (55 C) for friction stir welding.', 1690, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-406.8', 'QW-406.8  Preheat (stud)

Sample text. A decrease in preheat below the temperature used for the stud test welds.', 1700, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TBW_ESS") VALUES ('QW-406.9', 'QW-406.9  Interpass (temper bead)

Sample text. A change in the interpass temperature range used for temper bead welding.', 1710, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "OFW_HFO_ESS", "SMAW_ESS", "SMAW_SUP", "SMAW_HFO_ESS", "SMAW_HFO_NON", "SMAW_CRO_ESS", "SMAW_CRO_NON", "SAW_ESS", "SAW_SUP", "SAW_HFO_ESS", "SAW_HFO_NON", "SAW_CRO_ESS", "SAW_CRO_NON", "GMAW_ESS", "GMAW_SUP", "GMAW_HFO_ESS", "GMAW_HFO_NON", "GMAW_CRO_ESS", "GMAW_CRO_NON", "FCAW_ESS", "FCAW_SUP", "FCAW_HFO_ESS", "FCAW_HFO_NON", "FCAW_CRO_ESS", "FCAW_CRO_NON", "GTAW_ESS", "GTAW_SUP", "GTAW_HFO_ESS", "GTAW_HFO_NON", "GTAW_CRO_ESS", "GTAW_CRO_NON", "PAW_ESS", "PAW_SUP", "PAW_HFO_ESS", "PAW_HFO_NON", "PAW_CRO_ESS", "PAW_CRO_NON", "ESW_ESS", "ESW_SUP", "ESW_CRO_ESS", "ESW_CRO_NON", "EGW_ESS", "EGW_SUP", "EBW_ESS", "LBW_ESS", "LBW_HFO_ESS", "LBW_HFO_NON", "LBW_CRO_ESS", "LBW_CRO_NON", "STUD_ESS", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS", "FW_ESS", "FRW_ESS", "FSW_ESS", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-407', 'QW-407  POSTWELD HEAT TREATMENT

Sample text. The postweld heat treatment (PWHT) variables deal with the kind of heat treatment, its temperature range and its holding time.', 1720, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS", "EBW_ESS", "LBW_ESS", "STUD_ESS", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS", "FW_ESS", "FRW_ESS", "FSW_ESS") VALUES ('QW-407.1', 'QW-407.1  PWHT

Sample text. A change in postweld heat treatment, for example from none to PWHT below the lower transformation temperature. Each condition is qualified separately.', 1730, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-407.2', 'QW-407.2  PWHT time and temperature

Sample text. A change in the PWHT temperature and time range where notch toughness is required.', 1740, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_ESS", "SAW_ESS", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS", "ESW_ESS", "EGW_ESS") VALUES ('QW-407.4', 'QW-407.4  T limits with PWHT above UTT

Sample text. For a test coupon that receives a PWHT in which the upper transformation temperature is exceeded, the greatest base metal thickness qualified is 1.1 times the test coupon thickness.', 1750, '08r', -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-407.5', 'QW-407.5  PWHT (resistance)

Sample text. Adding PWHT for resistance welds, or leaving it out, or a change in its temperature.', 1760, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_HFO_ESS", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-407.6', 'QW-407.6  PWHT (overlay)

Sample text. A change in the postweld heat treatment of an overlay, including its temperature range and time.', 1770, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_CRO_NON", "SAW_CRO_NON", "GMAW_CRO_NON", "FCAW_CRO_NON", "GTAW_CRO_NON", "PAW_CRO_NON", "ESW_CRO_NON", "LBW_CRO_NON") VALUES ('QW-407.7', 'QW-407.7  PWHT (overlay, dissimilar)

Sample text. A change in the heat treatment where the overlay and the base metal need different treatments.', 1780, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "ESW_ESS", "EGW_ESS") VALUES ('QW-407.8', 'QW-407.8  Grain refining (ESW, EGW)

Sample text. Leaving out the grain refining heat treatment after electroslag or electrogas welding.', 1790, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_HFO_NON", "SAW_HFO_NON", "GMAW_HFO_NON", "FCAW_HFO_NON", "GTAW_HFO_NON", "PAW_HFO_NON", "LBW_HFO_NON") VALUES ('QW-407.9', 'QW-407.9  PWHT tolerance (hardfacing)

Sample text. A change in the hold time or the temperature tolerance of the heat treatment of a hardfacing overlay.', 1800, NULL, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-407.10', 'QW-407.10  PWHT (spray fuse)

Sample text. A change in the heat treatment after fusing.', 1810, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-407.11', 'QW-407.11  PWHT (friction stir)

Sample text. A change in the heat treatment after friction stir welding.', 1820, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS", "OFW_NON", "GMAW_ESS", "GMAW_NON", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_ESS", "FCAW_NON", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_ESS", "GTAW_NON", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_ESS", "PAW_NON", "PAW_HFO_ESS", "PAW_CRO_ESS", "LBW_ESS", "LBW_NON", "LBW_HFO_ESS", "LBW_CRO_ESS", "LLBW_ESS", "LLBW_NON", "FSW_NON", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-408', 'QW-408  GAS

Sample text. The gas variables deal with the shielding, trailing and backing gases, their composition and their flow rates, and with fuel gases.', 1830, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-408.1', 'QW-408.1  Trailing gas

Sample text. Adding trailing shielding gas, or leaving it out, or a change in its composition.', 1840, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS", "FCAW_ESS", "GTAW_ESS", "PAW_ESS") VALUES ('QW-408.2', 'QW-408.2  Single gas or mixture

Sample text. A change from a single shielding gas to another, or to a mixture, or a change in the nominal percentages of a mixture.', 1850, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-408.3', 'QW-408.3  Gas flow rate

Sample text. A change in the specified flow rate range of the shielding gas.', 1860, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-408.5', 'QW-408.5  Backing gas

Sample text. Adding or leaving out backing gas, or a change in its composition or flow rate.', 1870, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_ESS") VALUES ('QW-408.7', 'QW-408.7  Fuel gas

Sample text. A change in the type of fuel gas.', 1880, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS", "GTAW_ESS", "PAW_ESS") VALUES ('QW-408.8', 'QW-408.8  Omission of backing gas

Sample text. Leaving out inert backing gas, except for some joints that need no backing gas.', 1890, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS", "GTAW_ESS", "PAW_ESS") VALUES ('QW-408.9', 'QW-408.9  Backing gas (reactive metals)

Sample text. For some P-numbers, leaving out backing gas or changing it from inert gas to a mixture with active gas.', 1900, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS", "GTAW_ESS", "PAW_ESS") VALUES ('QW-408.10', 'QW-408.10  Shielding gas (reactive metals)

Sample text. For reactive and refractory metals, a change in the shielding gas or a decrease of more than 10% in its flow.', 1910, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON") VALUES ('QW-408.14', 'QW-408.14  Oxyfuel gas pressure

Sample text. A change in the oxyfuel gas pressures beyond the range qualified.', 1920, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-408.16', 'QW-408.16  Shielding gas (overlay)

Sample text. A change in the shielding gas composition or flow for overlays.', 1930, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "PAW_NON") VALUES ('QW-408.17', 'QW-408.17  Plasma gas

Sample text. A change in the type or the nominal composition of the plasma-removing gas.', 1940, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LBW_ESS", "LLBW_ESS") VALUES ('QW-408.19', 'QW-408.19  Gas mixture (laser)

Sample text. A change in the nominal composition of the gas mixture for laser beam welding.', 1950, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LBW_NON", "LLBW_NON") VALUES ('QW-408.21', 'QW-408.21  Gas flow (laser)

Sample text. A change of more than 5% in the flow rate of the shielding gas for laser beam welding.', 1960, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-408.22', 'QW-408.22  Gas (spray fuse)

Sample text. A change in the fuel gas, the plasma gas or the carrier gas used for spraying.', 1970, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_NON") VALUES ('QW-408.23', 'QW-408.23  Gas (friction stir)

Sample text. Adding or leaving out a shielding gas for friction stir welding.', 1980, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SMAW_SUP", "SMAW_HFO_ESS", "SMAW_HFO_NON", "SMAW_CRO_ESS", "SMAW_CRO_NON", "SAW_NON", "SAW_SUP", "SAW_HFO_ESS", "SAW_HFO_NON", "SAW_CRO_ESS", "SAW_CRO_NON", "GMAW_ESS", "GMAW_NON", "GMAW_SUP", "GMAW_HFO_ESS", "GMAW_HFO_NON", "GMAW_CRO_ESS", "GMAW_CRO_NON", "FCAW_NON", "FCAW_SUP", "FCAW_HFO_ESS", "FCAW_HFO_NON", "FCAW_CRO_ESS", "FCAW_CRO_NON", "GTAW_NON", "GTAW_SUP", "GTAW_HFO_ESS", "GTAW_HFO_NON", "GTAW_CRO_ESS", "GTAW_CRO_NON", "PAW_NON", "PAW_SUP", "PAW_HFO_ESS", "PAW_HFO_NON", "PAW_CRO_ESS", "PAW_CRO_NON", "ESW_NON", "ESW_SUP", "ESW_CRO_ESS", "EGW_NON", "EGW_SUP", "EBW_ESS", "LBW_ESS", "LBW_HFO_ESS", "LBW_HFO_NON", "LBW_CRO_ESS", "LBW_CRO_NON", "LLBW_ESS", "STUD_ESS", "STUD_NON", "RW_ESS", "RW_NON", "RSW_ESS", "RSW_NON", "RSEW_ESS", "RSEW_NON", "PW_ESS", "PW_NON", "FW_ESS", "TBW_ESS") VALUES ('QW-409', 'QW-409  ELECTRICAL CHARACTERISTICS

Sample text. The electrical variables deal with heat input, current type and polarity, the ranges of current and voltage, transfer mode and the settings of beam and resistance equipment.', 1990, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-409.1', 'QW-409.1  Heat input

Sample text. An increase in heat input, or in volume of weld metal deposited per unit length of weld, over that qualified, where notch toughness is required. The heat input may be worked out from the current, the voltage and the travel speed, or from the weld bead size.', 2000, '07r', -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_ESS") VALUES ('QW-409.2', 'QW-409.2  Transfer mode

Sample text. A change from spray arc, globular arc or pulsating arc to short-circuiting arc, or the reverse.', 2010, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GTAW_NON", "PAW_NON") VALUES ('QW-409.3', 'QW-409.3  Pulsing current

Sample text. Adding pulsing current to a direct current power source, or leaving it out.', 2020, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SMAW_HFO_NON", "SMAW_CRO_NON", "SAW_NON", "SAW_HFO_NON", "SAW_CRO_NON", "GMAW_NON", "GMAW_HFO_NON", "GMAW_CRO_NON", "FCAW_NON", "FCAW_HFO_NON", "FCAW_CRO_NON", "GTAW_NON", "GTAW_HFO_NON", "GTAW_CRO_NON", "PAW_NON", "PAW_HFO_NON", "PAW_CRO_NON", "LBW_HFO_NON", "LBW_CRO_NON") VALUES ('QW-409.4', 'QW-409.4  Current or polarity

Sample text. A change from alternating current to direct current, or the reverse, or a change in polarity.', 2030, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS") VALUES ('QW-409.5', 'QW-409.5  Beam current and voltage

Sample text. A change of more than 5% in the beam current, the accelerating voltage or the travel speed.', 2040, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-409.6', 'QW-409.6  Beam spot size

Sample text. A change in the spot size or the focal length of the beam.', 2050, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-409.7', 'QW-409.7  Beam pulsing

Sample text. A change in the pulsing frequency or the pulse duration of the beam.', 2060, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON", "ESW_NON", "EGW_NON") VALUES ('QW-409.8', 'QW-409.8  Current and voltage range

Sample text. A change in the range of current, or of voltage except for SMAW and GTAW. For vertical welding the current range may be given for each electrode size.', 2070, '08c', -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-409.9', 'QW-409.9  Arc timing (stud)

Sample text. A change of more than 1/10 sec. in the arc timing of stud welding.', 2080, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_ESS") VALUES ('QW-409.10', 'QW-409.10  Amperage (stud)

Sample text. A change of more than 10% in the amperage of stud welding.', 2090, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_NON") VALUES ('QW-409.11', 'QW-409.11  Power source (stud)

Sample text. A change in the power source used for stud welding.', 2100, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GTAW_NON", "PAW_NON") VALUES ('QW-409.12', 'QW-409.12  Tungsten electrode

Sample text. A change in the type or the size of the tungsten electrode.', 2110, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-409.13', 'QW-409.13  Current (resistance)

Sample text. A change of more than 5% in the welding current, or a change in current slope or pulsing.', 2120, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-409.14', 'QW-409.14  Welding cycle (resistance)

Sample text. A change in the number of cycles of welding time, hold time or squeeze time.', 2130, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-409.15', 'QW-409.15  Electrode force

Sample text. A change of more than 5% in the electrode force.', 2140, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_NON", "RSW_NON", "RSEW_NON", "PW_NON") VALUES ('QW-409.17', 'QW-409.17  Power supply (resistance)

Sample text. A change in the kind of power supply, for example from single phase to three phase.', 2150, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-409.18', 'QW-409.18  Electrode tip (resistance)

Sample text. A change in the shape, the size or the material of the electrode tips or wheels.', 2160, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LBW_ESS", "LLBW_ESS") VALUES ('QW-409.19', 'QW-409.19  Pulse (laser)

Sample text. A change of more than 5% in the pulse energy, pulse width or pulse frequency of the laser.', 2170, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LBW_ESS", "LLBW_ESS") VALUES ('QW-409.20', 'QW-409.20  Laser mode

Sample text. A change in the mode of operation, for example from pulsed to continuous.', 2180, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LBW_ESS", "LLBW_ESS") VALUES ('QW-409.21', 'QW-409.21  Laser power

Sample text. A decrease of more than 10% in the power delivered to the work surface.', 2190, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-409.22', 'QW-409.22  Current range (overlay)

Sample text. An increase of more than 10% in the current range of the first layer of an overlay.', 2200, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TBW_ESS") VALUES ('QW-409.26', 'QW-409.26  Heat input (temper bead)

Sample text. A change in the heat input of the temper bead layers beyond the ratio tested.', 2210, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FW_ESS") VALUES ('QW-409.27', 'QW-409.27  Flashing time

Sample text. A change of more than 10% in the flashing time or the flashing current.', 2220, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FW_ESS") VALUES ('QW-409.28', 'QW-409.28  Upset current

Sample text. A change of more than 10% in the upset current or its duration.', 2230, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO_NON", "SMAW_NON", "SMAW_SUP", "SMAW_HFO_ESS", "SMAW_HFO_NON", "SMAW_CRO_ESS", "SMAW_CRO_NON", "SAW_NON", "SAW_SUP", "SAW_HFO_ESS", "SAW_HFO_NON", "SAW_CRO_ESS", "SAW_CRO_NON", "GMAW_NON", "GMAW_SUP", "GMAW_HFO_ESS", "GMAW_HFO_NON", "GMAW_CRO_ESS", "GMAW_CRO_NON", "FCAW_NON", "FCAW_SUP", "FCAW_HFO_ESS", "FCAW_HFO_NON", "FCAW_CRO_ESS", "FCAW_CRO_NON", "GTAW_NON", "GTAW_SUP", "GTAW_HFO_ESS", "GTAW_HFO_NON", "GTAW_CRO_ESS", "GTAW_CRO_NON", "PAW_ESS", "PAW_NON", "PAW_SUP", "PAW_HFO_ESS", "PAW_HFO_NON", "PAW_CRO_ESS", "PAW_CRO_NON", "ESW_NON", "ESW_SUP", "ESW_CRO_ESS", "ESW_CRO_NON", "EGW_NON", "EGW_SUP", "EBW_ESS", "LBW_ESS", "LBW_HFO_ESS", "LBW_HFO_NON", "LBW_CRO_ESS", "LBW_CRO_NON", "LLBW_ESS", "LLBW_NON", "STUD_NON", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS", "FW_ESS", "FW_NON", "DFW_ESS", "DFW_NON", "FRW_ESS", "FRW_NON", "FSW_ESS", "FLSP_HFSF_ESS", "FLSP_HFSF_NON", "PSP_HFSF_ESS", "PSP_HFSF_NON", "TBW_ESS", "TBW_NON", "TTTS_ESS", "TTTS_NON") VALUES ('QW-410', 'QW-410  TECHNIQUE

Sample text. The technique variables deal with bead placement, cleaning, back gouging, oscillation, the number of passes and electrodes, and the settings that are peculiar to a process.', 2240, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO_NON", "SMAW_NON", "SMAW_HFO_NON", "SMAW_CRO_NON", "SAW_NON", "SAW_HFO_NON", "SAW_CRO_NON", "GMAW_NON", "GMAW_HFO_NON", "GMAW_CRO_NON", "FCAW_NON", "FCAW_HFO_NON", "FCAW_CRO_NON", "GTAW_NON", "GTAW_HFO_NON", "GTAW_CRO_NON", "PAW_NON", "PAW_HFO_NON", "PAW_CRO_NON", "LBW_HFO_NON", "LBW_CRO_NON", "TBW_NON") VALUES ('QW-410.1', 'QW-410.1  Stringer or weave bead

Sample text. A change from stringer bead to weave bead technique, or the reverse.', 2250, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON") VALUES ('QW-410.2', 'QW-410.2  Nature of the flame

Sample text. A change in the nature of the flame, for example from neutral to oxidizing or reducing.', 2260, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-410.3', 'QW-410.3  Orifice or cup size

Sample text. A change in the size of the orifice, gas cup or nozzle.', 2270, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON") VALUES ('QW-410.4', 'QW-410.4  Forehand or backhand

Sample text. A change from forehand to backhand welding, or the reverse.', 2280, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "OFW_NON", "OFW_HFO_NON", "SMAW_NON", "SMAW_HFO_NON", "SMAW_CRO_NON", "SAW_NON", "SAW_HFO_NON", "SAW_CRO_NON", "GMAW_NON", "GMAW_HFO_NON", "GMAW_CRO_NON", "FCAW_NON", "FCAW_HFO_NON", "FCAW_CRO_NON", "GTAW_NON", "GTAW_HFO_NON", "GTAW_CRO_NON", "PAW_NON", "PAW_HFO_NON", "PAW_CRO_NON", "LBW_HFO_NON", "LBW_CRO_NON", "LLBW_NON", "FW_NON", "DFW_NON", "FRW_NON", "TBW_NON", "TTTS_NON") VALUES ('QW-410.5', 'QW-410.5  Cleaning

Sample text. A change in the method of initial and interpass cleaning, for example brushing or grinding.', 2290, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-410.6', 'QW-410.6  Back gouging

Sample text. A change in the method of back gouging.', 2300, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON", "ESW_NON", "EGW_NON") VALUES ('QW-410.7', 'QW-410.7  Oscillation

Sample text. A change in the width, frequency or dwell time of oscillation for machine or automatic welding.', 2310, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_NON", "GMAW_NON", "FCAW_NON") VALUES ('QW-410.8', 'QW-410.8  Contact tube distance

Sample text. A change in the distance from the contact tube to the work.', 2320, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_SUP", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_SUP", "PAW_SUP", "ESW_SUP", "EGW_SUP") VALUES ('QW-410.9', 'QW-410.9  Multiple to single pass

Sample text. A change from multipass per side to single pass per side where notch toughness is required.', 2330, NULL, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_SUP", "GMAW_SUP", "FCAW_SUP", "GTAW_NON") VALUES ('QW-410.10', 'QW-410.10  Single to multiple electrodes

Sample text. A change from a single electrode to multiple electrodes, or the reverse, for machine or automatic welding.', 2340, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS") VALUES ('QW-410.11', 'QW-410.11  Chamber (EBW)

Sample text. A change from welding in a closed chamber to welding outside a chamber.', 2350, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "PAW_ESS") VALUES ('QW-410.12', 'QW-410.12  Melt-in or keyhole

Sample text. A change from the melt-in technique to the keyhole technique, or the reverse.', 2360, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS") VALUES ('QW-410.14', 'QW-410.14  Gun angle (EBW)

Sample text. A change of more than 10 degrees in the angle of the beam to the work.', 2370, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_NON", "GMAW_NON", "ESW_NON") VALUES ('QW-410.15', 'QW-410.15  Electrode spacing

Sample text. A change in the spacing of multiple electrodes.', 2380, NULL, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-410.17', 'QW-410.17  Beam equipment

Sample text. A change in the type or the model of the beam equipment.', 2390, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS") VALUES ('QW-410.18', 'QW-410.18  Vacuum pressure

Sample text. An increase in the absolute pressure of the vacuum welding environment beyond the pressure qualified.', 2400, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS") VALUES ('QW-410.19', 'QW-410.19  Filament

Sample text. A change in the filament type, size or shape.', 2410, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-410.20', 'QW-410.20  Wash pass

Sample text. Adding a wash pass, or leaving it out.', 2420, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "EBW_ESS", "LBW_ESS") VALUES ('QW-410.21', 'QW-410.21  One side or two sides

Sample text. A change from welding from one side to welding from both sides, or the reverse.', 2430, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "STUD_NON") VALUES ('QW-410.22', 'QW-410.22  Stud gun

Sample text. A change in the stud gun model or the method of lift.', 2440, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SMAW_HFO_NON", "SMAW_CRO_NON", "SAW_NON", "SAW_HFO_NON", "SAW_CRO_NON", "GMAW_NON", "GMAW_HFO_NON", "GMAW_CRO_NON", "FCAW_NON", "FCAW_HFO_NON", "FCAW_CRO_NON", "GTAW_NON", "GTAW_HFO_NON", "GTAW_CRO_NON", "PAW_NON", "PAW_HFO_NON", "PAW_CRO_NON", "LBW_HFO_NON", "LBW_CRO_NON") VALUES ('QW-410.25', 'QW-410.25  Manual or automatic

Sample text. A change from manual or semiautomatic to machine or automatic welding, or the reverse.', 2450, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-410.26', 'QW-410.26  Peening

Sample text. Adding or leaving out peening.', 2460, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FRW_ESS") VALUES ('QW-410.27', 'QW-410.27  Rotational speed

Sample text. A change of more than 10% in the rotational speed of the friction welding machine.', 2470, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FRW_ESS") VALUES ('QW-410.28', 'QW-410.28  Upset

Sample text. A change of more than 10% in the upset distance or the upset force.', 2480, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FRW_ESS") VALUES ('QW-410.29', 'QW-410.29  Friction force

Sample text. A change of more than 10% in the friction force or the friction pressure.', 2490, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FRW_ESS") VALUES ('QW-410.30', 'QW-410.30  Friction time

Sample text. A change of more than 10% in the friction time or the energy input.', 2500, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-410.31', 'QW-410.31  Electrode cleaning (resistance)

Sample text. A change in the method of cleaning or dressing the electrodes.', 2510, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "RW_ESS", "RSW_ESS", "RSEW_ESS", "PW_ESS") VALUES ('QW-410.32', 'QW-410.32  Resistance machine

Sample text. A change in the type of resistance welding machine, or in its throat size or capacity.', 2520, NULL, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LBW_ESS") VALUES ('QW-410.33', 'QW-410.33  Laser welding method

Sample text. A change from keyhole welding to conduction welding, or the reverse.', 2530, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_HFO_ESS", "SMAW_CRO_ESS", "SAW_HFO_ESS", "SAW_CRO_ESS", "GMAW_HFO_ESS", "GMAW_CRO_ESS", "FCAW_HFO_ESS", "FCAW_CRO_ESS", "GTAW_HFO_ESS", "GTAW_CRO_ESS", "PAW_HFO_ESS", "PAW_CRO_ESS", "ESW_CRO_ESS", "LBW_HFO_ESS", "LBW_CRO_ESS") VALUES ('QW-410.38', 'QW-410.38  Multiple layers (overlay)

Sample text. A change from multiple layers to a single layer, or the reverse.', 2540, NULL, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-410.39', 'QW-410.39  Spray torch

Sample text. A change in the type or the model of the spray torch.', 2550, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_NON", "PSP_HFSF_NON") VALUES ('QW-410.40', 'QW-410.40  Spray distance

Sample text. A change of more than 10% in the spray distance.', 2560, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FLSP_HFSF_ESS", "PSP_HFSF_ESS") VALUES ('QW-410.41', 'QW-410.41  Fusing method

Sample text. A change in the fusing method, for example from torch fusing to furnace fusing.', 2570, NULL, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-410.43', 'QW-410.43  Tool type (friction stir)

Sample text. A change in the type or the design of the rotating tool.', 2580, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-410.44', 'QW-410.44  Tool rotation speed

Sample text. A change of more than 10% in the tool rotation speed.', 2590, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-410.45', 'QW-410.45  Travel speed (friction stir)

Sample text. A change of more than 10% in the travel speed.', 2600, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FSW_ESS") VALUES ('QW-410.46', 'QW-410.46  Tool force or position

Sample text. A change in the control of the tool, from force control to position control, or the reverse.', 2610, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TBW_ESS") VALUES ('QW-410.48', 'QW-410.48  Bead placement (temper bead)

Sample text. A change in the placement of the temper bead layers, or in the overlap of beads.', 2620, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SAW_HFO_NON", "SAW_CRO_NON", "GMAW_HFO_NON", "GMAW_CRO_NON", "ESW_CRO_NON") VALUES ('QW-410.50', 'QW-410.50  Number of electrodes (overlay)

Sample text. A change in the number of electrodes feeding the same pool for overlays.', 2630, NULL, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "DFW_ESS") VALUES ('QW-410.52', 'QW-410.52  Diffusion cycle

Sample text. A change in the temperature, the pressure or the time of the diffusion cycle.', 2640, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TTTS_ESS") VALUES ('QW-410.53', 'QW-410.53  Tube expansion

Sample text. Adding or leaving out tube expansion before welding, or a change in its method.', 2650, '09a', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FW_ESS") VALUES ('QW-410.54', 'QW-410.54  Upset (flash)

Sample text. A change of more than 10% in the upset distance or the upset force of flash welding.', 2660, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "FW_ESS") VALUES ('QW-410.55', 'QW-410.55  Flash time

Sample text. A change of more than 10% in the flash time or the platen speed.', 2670, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "TBW_ESS") VALUES ('QW-410.58', 'QW-410.58  Surface temper beads

Sample text. Leaving out the surface temper bead layer, or a change in its removal.', 2680, NULL, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "SMAW_NON", "SAW_NON", "GMAW_NON", "FCAW_NON", "GTAW_NON", "PAW_NON") VALUES ('QW-410.64', 'QW-410.64  Thermal processes

Sample text. A change in the thermal processes used to prepare or to gouge the base metal.', 2690, NULL, -1, -1, -1, -1, -1, -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LLBW_ESS") VALUES ('QW-410.66', 'QW-410.66  Lap joint technique (LLBW)

Sample text. A change in the weld pattern, the number of passes or the spacing of welds in a lap joint.', 2700, '09a', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA", "LLBW_ESS") VALUES ('QW-410.67', 'QW-410.67  Travel speed (LLBW)

Sample text. A change of more than 10% in the travel speed for low-power density laser beam welding.', 2710, '09a', -1);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-420', 'QW-420  Material groupings

Sample text. Base metals are assigned P-numbers according to their composition, weldability and mechanical properties. Ferrous base metals with impact requirements are further divided into group numbers. The assignments are listed in QW/QB-422.', 2720, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-420.1', 'QW-420.1  P-numbers

Sample text. P-numbers group base metals so that a procedure qualified on one metal of a P-number covers the others of that P-number. They do not imply that the metals may be interchanged without regard to their properties.', 2730, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-420.2', 'QW-420.2  S-numbers

Sample text. S-numbers group base metals that are not listed in the ASME material specifications but are accepted by piping codes. A procedure qualified with a P-number metal qualifies the matching S-number metals.', 2740, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-424', 'QW-424  Base metals used for procedure qualification

Sample text. The base metals of the test coupon determine the base metals qualified, as QW-424.1 shows.', 2750, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-424.1', 'QW-424.1  Base metals qualified

Sample text. A test on one metal of a P-number qualifies all metals of that P-number. A test on two different P-numbers qualifies that combination. Unassigned metals are qualified only by the metal tested.', 2760, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-430', 'QW-430  F-numbers

Sample text. Electrodes and welding rods are grouped by F-number according to their usability characteristics. The grouping reduces the number of qualifications; it does not imply that filler metals of one F-number may be substituted freely.', 2770, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-432', 'QW-432  F-number table

Sample text. The F-numbers of the AWS classifications are listed in this table. Use the filler-metal lookup to search them by SFA specification, F-number, A-number or UNS number.', 2780, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-440', 'QW-440  Weld metal chemical composition

Sample text. The chemical composition of ferrous weld metal is classified by A-number. See QW-442.', 2790, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-442', 'QW-442  A-numbers

Sample text. Ferrous weld metal analyses are classified into twelve A-numbers by their carbon, chromium, molybdenum, nickel, manganese and silicon content. Use the A-number window to classify an analysis.', 2800, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-450', 'QW-450  Specimens

Sample text. The number and type of test specimens and the thickness ranges qualified are given in the tables QW-451 to QW-453.', 2810, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-451', 'QW-451  Procedure qualification thickness limits

Sample text. The tables of QW-451 give, for the thickness T of the test coupon and the thickness t of weld metal deposited, the ranges of base metal and weld metal thickness that a groove-weld test qualifies, and the tests required. The qualification calculator applies them.', 2820, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-451.1', 'QW-451.1  Groove-weld tension and transverse bend tests

Sample text. For test coupons under 1/16 in. (1.5 mm) the range is T to 2T; from 1/16 in. to 3/8 in. it is 1/16 in. to 2T; above 3/8 in. the minimum is 3/16 in. (5 mm). Two tension and four bend specimens are required in most cases.', 2830, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-451.2', 'QW-451.2  Groove-weld tension and longitudinal bend tests

Sample text. Longitudinal bend tests may be used where the base metal and weld metal differ markedly in bending properties. The thickness ranges follow QW-451.1.', 2840, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-453', 'QW-453  Overlay qualification

Sample text. Overlays are qualified by bend tests, chemical analysis and, for hard-facing, hardness tests and penetrant examination. The thickness qualified is found as QW-462.5(a) shows.', 2850, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-461', 'QW-461  Positions

Sample text. The figures of QW-461 show the positions of groove and fillet welds in plate and pipe. See QW-461.1 and QW-461.2.', 2860, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-462', 'QW-462  Test specimens

Sample text. The figures of QW-462 show the test specimens: tension specimens in QW-462.1(a), bend specimens in QW-462.2 and QW-462.3, fillet-weld specimens in QW-462.4(a) and overlay specimens in QW-462.5(a).', 2870, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-466', 'QW-466  Test jigs

Sample text. The guided-bend jigs are shown in QW-466.1. A wrap-around jig may be used in their place.', 2880, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-470', 'QW-470  Etching

Sample text. Macro specimens are etched to show the weld and heat-affected zone. The etchant depends on the base metal.', 2890, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-490', 'QW-490  Definitions

Sample text. The definitions of welding terms follow in QW-492.', 2900, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW-492', 'QW-492  Definitions

Sample text. The definitions of the terms used in this Section are held in the glossary. Opening this paragraph opens the definitions window.', 2910, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QW/QB-492', 'QW/QB-492  Definitions (earlier numbering)

Sample text. Earlier editions numbered the definitions QW/QB-492. Opening this paragraph opens the definitions window.', 2920, NULL);
INSERT INTO "Variables" ("variable", "var_text", "order", "ADDENDA") VALUES ('QG-109', 'QG-109  Definitions

Sample text. The terms used in this Section are defined in the glossary. Later editions collect them under QG-109; earlier editions under QW-492 and QW/QB-492.

Opening this paragraph opens the definitions window on the glossary.', 2930, NULL);

CREATE TABLE "Cross-reference" (
  "reference" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "title" TEXT COLLATE NOCASE,
  "variable" TEXT COLLATE NOCASE,
  "form" TEXT COLLATE NOCASE,
  "message" TEXT COLLATE NOCASE,
  "graphics" TEXT COLLATE NOCASE
);
INSERT INTO "Cross-reference" VALUES ('QG-109.1', NULL, 'QG-109', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QG-109.2', NULL, 'QG-109', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-103.1', NULL, 'QW-103', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-200.4(a)', NULL, 'QW-200.4', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-200.4(b)', NULL, 'QW-200.4', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-202.2(a)', NULL, 'QW-202.2', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-202.2(b)', NULL, 'QW-202.2', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-202.2(c)', NULL, 'QW-202.2', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-251.1', NULL, 'QW-250', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-401.1', NULL, 'QW-401', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-403.6', NULL, 'QW-403.6', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-404.5', NULL, 'QW-404.5', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW/QB-492', NULL, 'QW/QB-492', NULL, NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW/QB-422', NULL, NULL, 'varnelMaterialSpecification', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-422', NULL, NULL, 'varnelMaterialSpecification', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-432', NULL, NULL, 'varnelFillerSpecification', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-442', NULL, NULL, 'varnelAnumbers', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-451', NULL, NULL, 'varnelThickness', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-451.1', NULL, NULL, 'varnelThickness', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-451.2', NULL, NULL, 'varnelThickness', NULL, NULL);
INSERT INTO "Cross-reference" VALUES ('QW-423', 'QW-423 Alternate base materials', NULL, NULL, 'Sample text. Table QW-423 (alternate base materials for welder qualification) is not held in the sample database. Use the base-metal lookup for P-numbers.', NULL);
INSERT INTO "Cross-reference" VALUES ('QW-462.2', 'QW-462.2 Side bend', NULL, NULL, 'Sample text. The side bend specimen figure is not drawn in the sample database. See QW-462.1(a) for a drawn specimen.', NULL);
INSERT INTO "Cross-reference" VALUES ('QW-462.3', 'QW-462.3 Face and root bends', NULL, NULL, 'Sample text. The face and root bend specimen figures are not drawn in the sample database.', NULL);
INSERT INTO "Cross-reference" VALUES ('QW-462.4(d)', 'QW-462.4(d) Fillet welds in pipe', NULL, NULL, 'Sample text. The pipe fillet-weld coupon is not drawn in the sample database. See QW-462.4(a) for the plate coupon.', NULL);
INSERT INTO "Cross-reference" VALUES ('QW-461', 'GRAPHICS', NULL, NULL, NULL, 'Fig.QW-461.1, Fig.QW-461.2');
INSERT INTO "Cross-reference" VALUES ('QW-461.1', 'GRAPHICS', NULL, NULL, NULL, 'Fig.QW-461.1');
INSERT INTO "Cross-reference" VALUES ('QW-461.2', 'GRAPHICS', NULL, NULL, NULL, 'Fig.QW-461.2');
INSERT INTO "Cross-reference" VALUES ('QW-462', 'GRAPHICS', NULL, NULL, NULL, 'QW-462.1(a), Fig.QW-462.4(a), QW-462.5(a)');
INSERT INTO "Cross-reference" VALUES ('QW-462.1(a)', 'GRAPHICS', NULL, NULL, NULL, 'QW-462.1(a)');
INSERT INTO "Cross-reference" VALUES ('QW-462.4(a)', 'GRAPHICS', NULL, NULL, NULL, 'Fig.QW-462.4(a)');
INSERT INTO "Cross-reference" VALUES ('QW-462.5(a)', 'GRAPHICS', NULL, NULL, NULL, 'QW-462.5(a)');
INSERT INTO "Cross-reference" VALUES ('QW-466.1', 'GRAPHICS', NULL, NULL, NULL, 'QW-466.1');
INSERT INTO "Cross-reference" VALUES ('QW-469.1', 'GRAPHICS', NULL, NULL, NULL, 'Fig.QW-469.1');
INSERT INTO "Cross-reference" VALUES ('QW-492', NULL, NULL, NULL, NULL, NULL);

CREATE TABLE "Graphics" (
  "picture id" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "title" TEXT COLLATE NOCASE,
  "text" TEXT,
  "picture" TEXT COLLATE NOCASE
);
INSERT INTO "Graphics" VALUES ('Fig.QB-461.1', 'Flow positions for brazing (sample sketch)', 'Sample text. Sketch of the flow positions of a brazed lap joint: horizontal flow, downflow and upflow. The arrow shows the direction in which the filler metal flows.', 'figqb461_1');
INSERT INTO "Graphics" VALUES ('Fig.QW-461.1', 'Positions of groove welds (sample sketch)', 'Sample text. Sketch of the four plate positions of a groove weld, 1G flat, 2G horizontal, 3G vertical and 4G overhead. The arrow shows the direction from which the welder works.', 'fig461_1');
INSERT INTO "Graphics" VALUES ('Fig.QW-461.2', 'Positions of fillet welds (sample sketch)', 'Sample text. Sketch of the four plate positions of a fillet weld, 1F flat, 2F horizontal, 3F vertical and 4F overhead.', 'fig461_2');
INSERT INTO "Graphics" VALUES ('Fig.QW-462.4(a)', 'Fillet-weld test coupon for plate (sample sketch)', 'Sample text. A fillet weld between a base plate and an upright plate. The coupon is cut into macro specimens across the weld; the end pieces are discarded.', 'fig462_4a');
INSERT INTO "Graphics" VALUES ('Fig.QW-469.1', 'Butt joint with backing (sample sketch)', NULL, 'fig469_1');
INSERT INTO "Graphics" VALUES ('QW-462.1(a)', 'Reduced-section tension specimen for plate (sample sketch)', 'Sample text. The reduced section lies across the weld. The specimen is drawn upright; scroll to see its lower end.', 'fig462_1a');
INSERT INTO "Graphics" VALUES ('QW-462.5(a)', 'Overlay thickness determination (sample sketch)', 'Sample text. The overlay is deposited on the base metal. The minimum thickness qualified is measured from the fusion line to the surface at which the chemical analysis is taken.', 'fig462_5a');
INSERT INTO "Graphics" VALUES ('QW-466.1', 'Guided-bend test jig with plunger, shoulders and die for face, root and side bend specimens (sample sketch)', 'Sample text. The specimen rests on the two shoulders and the plunger presses it into the die until it is bent into a U shape.', 'fig466_1');

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
INSERT INTO "Definitions" VALUES ('arc welding', 'Sample text. A group of welding processes that join metals by heating them with an electric arc, with or without pressure and filler metal.', NULL);
INSERT INTO "Definitions" VALUES ('ASME IX-2013   QG-109 Definitions', 'Sample text. Definitions of the terms of this Section, as numbered from the 2013 edition on. Pick a term from the list to read its definition.', NULL);
INSERT INTO "Definitions" VALUES ('ASME IX-98   QW/QB-492 Welding', '{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}{\colortbl ;\red0\green0\blue128;}\f0\fs20{\b\cf1 QW/QB-492 Definitions}\par\par Sample text. This glossary explains the {\i welding} terms used in the sample paragraphs. Type the beginning of a term, or pick it from the list.\par\par {\b Terms with figures} show the button {\b View figure(s)}.\par}', NULL);
INSERT INTO "Definitions" VALUES ('automatic welding', 'Sample text. Welding with equipment that performs the whole operation without adjustment of the controls by the operator.', NULL);
INSERT INTO "Definitions" VALUES ('backing', 'Sample text. Material placed at the root of a weld joint to support the molten weld metal. It may stay in place or be removed.', 'QW-469.1');
INSERT INTO "Definitions" VALUES ('base metal', 'Sample text. The metal or alloy that is welded, brazed or cut.', NULL);
INSERT INTO "Definitions" VALUES ('bead', 'Sample text. The weld metal deposited in one pass.', NULL);
INSERT INTO "Definitions" VALUES ('butt joint', 'Sample text. A joint between two members that lie approximately in the same plane.', 'QW-469.1');
INSERT INTO "Definitions" VALUES ('complete joint penetration', 'Sample text. Penetration in which the weld metal fills the groove and fuses to the base metal through the whole thickness.', NULL);
INSERT INTO "Definitions" VALUES ('consumable insert', 'Sample text. Filler metal placed at the root of the joint before welding and completely fused into the root.', NULL);
INSERT INTO "Definitions" VALUES ('corrosion-resistant overlay', 'Sample text. Weld metal deposited on a surface to resist corrosion of that surface.', NULL);
INSERT INTO "Definitions" VALUES ('deposited weld metal', 'Sample text. Filler metal that has been added during welding.', NULL);
INSERT INTO "Definitions" VALUES ('electrode', 'Sample text. The component of the welding circuit through which current is conducted to the arc or molten slag. It may or may not melt into the weld.', NULL);
INSERT INTO "Definitions" VALUES ('fillet weld', 'Sample text. A weld of roughly triangular cross section joining two surfaces at about right angles to each other.', 'QW-462.4(a)');
INSERT INTO "Definitions" VALUES ('flat position', 'Sample text. The position in which the weld face is roughly horizontal and welding is done from above.', 'QW-461.1, QW-461.2');
INSERT INTO "Definitions" VALUES ('groove weld', 'Sample text. A weld made in the groove between two members.', 'QW-461.1');
INSERT INTO "Definitions" VALUES ('hard-facing', 'Sample text. Deposit of material on a surface to reduce wear.', NULL);
INSERT INTO "Definitions" VALUES ('heat-affected zone', 'Sample text. The part of the base metal whose properties or microstructure were changed by the heat of welding, without being melted.', NULL);
INSERT INTO "Definitions" VALUES ('horizontal position', 'Sample text. For a fillet weld, welding on the upper side of a roughly horizontal surface against a roughly vertical one; for a groove weld, a horizontal weld axis on a vertical face.', 'QW-461.1, QW-461.2');
INSERT INTO "Definitions" VALUES ('interpass temperature', 'Sample text. The highest temperature of the weld area between passes of a multipass weld.', NULL);
INSERT INTO "Definitions" VALUES ('machine welding', 'Sample text. Welding with equipment that performs the operation under the observation and control of an operator.', NULL);
INSERT INTO "Definitions" VALUES ('overhead position', 'Sample text. The position in which welding is done from the underside of the joint.', 'QW-461.1, QW-461.2');
INSERT INTO "Definitions" VALUES ('pass', 'Sample text. A single progression of welding along a joint. It results in a bead or a layer.', NULL);
INSERT INTO "Definitions" VALUES ('postweld heat treatment', 'Sample text. Heat treatment applied after welding.', NULL);
INSERT INTO "Definitions" VALUES ('preheat temperature', 'Sample text. The lowest temperature in the weld joint just before welding starts.', NULL);
INSERT INTO "Definitions" VALUES ('procedure qualification record', 'Sample text. The record of the welding data used to weld a test coupon and of the test results. Also called PQR.', NULL);
INSERT INTO "Definitions" VALUES ('QW-492 (index of welding terms)', 'Sample text. This entry lists nothing by itself: pick a term from the list, or type its first letters.', NULL);
INSERT INTO "Definitions" VALUES ('root opening', 'Sample text. The distance between the members at the root of the joint.', 'QW-469.1');
INSERT INTO "Definitions" VALUES ('semiautomatic arc welding', 'Sample text. Arc welding with equipment that controls only the feed of the filler metal; the welder moves the gun.', NULL);
INSERT INTO "Definitions" VALUES ('stringer bead', 'Sample text. A bead made without noticeable side-to-side movement.', NULL);
INSERT INTO "Definitions" VALUES ('supplementary essential variable', 'Sample text. A variable that becomes essential when notch toughness is required.', NULL);
INSERT INTO "Definitions" VALUES ('tack weld', 'Sample text. A weld made to hold parts in alignment until the final welds are made.', NULL);
INSERT INTO "Definitions" VALUES ('vertical position', 'Sample text. The position in which the axis of the weld is roughly vertical.', 'QW-461.1, QW-461.2');
INSERT INTO "Definitions" VALUES ('weave bead', 'Sample text. A bead made with side-to-side movement across the joint.', NULL);
INSERT INTO "Definitions" VALUES ('weld', 'Sample text. A local coalescence of metals produced by heating, with or without pressure and filler metal.

Sample text, continued. The word covers much more than a bead laid by an arc. Two pieces of metal are welded when their atoms meet across the joint as they meet within each piece, so that the joint is a part of the metal rather than a layer of something else between the pieces. The heat that brings this about may come from an arc, a flame, a beam of electrons or light, the resistance of the joint to a current, or friction; pressure alone may do it, as in forge welding, and so may pressure with a little heat.

Filler metal. Many welds take filler metal, fed as a wire or a rod or carried on an electrode, to fill the groove between the pieces. Others take none: the edges of the pieces are melted together, or pressed together while hot. Whether filler metal is used, and which, is one of the choices that a welding procedure records.

Kinds of weld. A groove weld fills a groove between the pieces; a fillet weld joins two surfaces at an angle to each other and has a roughly triangular section; a plug or slot weld fills a hole in one piece; a spot or seam weld is made between overlapping pieces by resistance or by a beam; a stud weld joins the end of a stud to a surface. An overlay is weld metal laid on a surface to give it other properties, such as resistance to corrosion or to wear, rather than to join pieces.

A weld in other trades. The same word names the joint made by the process and, loosely, the process itself; in this glossary it always names the joint. Brazed and soldered joints are not welds, because the pieces do not melt and the joint holds through a filler metal that wets them.

What a weld is made of. A fusion weld has weld metal, which was melted, and around it a heat-affected zone of base metal that did not melt but whose structure the heat changed. Both are tested when a procedure is qualified, because both carry the load in service.

End of the sample definition of weld.', NULL);
INSERT INTO "Definitions" VALUES ('welder', 'Sample text. A person who performs manual or semiautomatic welding.', NULL);
INSERT INTO "Definitions" VALUES ('welding operator', 'Sample text. A person who operates machine or automatic welding equipment.', NULL);
INSERT INTO "Definitions" VALUES ('welding procedure specification', 'Sample text. A written procedure that gives the directions for making production welds to Code requirements. Also called WPS.', NULL);

CREATE TABLE "Definitions - Brazing" (
  "term" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "definition" TEXT,
  "figure" TEXT COLLATE NOCASE
);
INSERT INTO "Definitions - Brazing" VALUES ('ASME IX-98   QW/QB-492 Brazing', 'Sample text. Definitions of the brazing terms of this Section. Pick a term from the list.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('braze welding', 'Sample text. Joining with a filler metal that melts above 840 F (450 C) but below the base metal, where the filler is not drawn into the joint by capillary action.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('brazer', 'Sample text. A person who performs manual or semiautomatic brazing.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('brazing', 'Sample text. Joining by heating to a suitable temperature with a filler metal that melts above 840 F (450 C) and below the solidus of the base metals; the filler is drawn into the joint by capillary action.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('brazing operator', 'Sample text. A person who operates machine or automatic brazing equipment.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('brazing procedure specification', 'Sample text. A written procedure that gives the directions for making production brazed joints. Also called BPS.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('brazing temperature', 'Sample text. The temperature to which the base metal is heated to allow the filler metal to wet it and form a joint.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('dip brazing', 'Sample text. Brazing in which the heat comes from a bath of molten chemicals or metal.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('flow position', 'Sample text. The direction in which the molten filler metal flows in the joint: upflow, downflow or horizontal flow.', 'QB-461.1');
INSERT INTO "Definitions - Brazing" VALUES ('furnace brazing', 'Sample text. Brazing in which the parts are heated in a furnace.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('joint clearance', 'Sample text. The distance between the faying surfaces of a brazed joint.', NULL);
INSERT INTO "Definitions - Brazing" VALUES ('lap joint', 'Sample text. A joint between two overlapping members.', 'QB-461.1');
INSERT INTO "Definitions - Brazing" VALUES ('torch brazing', 'Sample text. Brazing in which the heat comes from a fuel gas flame.', NULL);

CREATE TABLE "Definitions - AWS" (
  "term" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "definition" TEXT
);
INSERT INTO "Definitions - AWS" VALUES ('arc blow', 'Sample text. Deflection of the arc from its normal path by magnetic forces.');
INSERT INTO "Definitions - AWS" VALUES ('arc length', 'Sample text. The distance from the tip of the electrode to the weld pool.');
INSERT INTO "Definitions - AWS" VALUES ('arc strike', 'Sample text. A discontinuity from an arc, made by accident outside the weld.');
INSERT INTO "Definitions - AWS" VALUES ('as-welded', 'Sample text. The condition of weld metal and welded joints after welding and before any heat treatment or mechanical treatment.');
INSERT INTO "Definitions - AWS" VALUES ('bevel angle', 'Sample text. The angle between the bevel of a joint member and a plane square to its surface.');
INSERT INTO "Definitions - AWS" VALUES ('crater', 'Sample text. A depression at the end of a weld bead.');
INSERT INTO "Definitions - AWS" VALUES ('depth of fusion', 'Sample text. The distance that fusion extends into the base metal or the previous bead.');
INSERT INTO "Definitions - AWS" VALUES ('electrode extension', 'Sample text. In gas metal arc and flux cored arc welding, the length of electrode that extends beyond the contact tube.');
INSERT INTO "Definitions - AWS" VALUES ('face of weld', 'Sample text. The exposed surface of a weld on the side from which welding was done.');
INSERT INTO "Definitions - AWS" VALUES ('fusion', 'Sample text. The melting together of filler metal and base metal, or of base metal only.');
INSERT INTO "Definitions - AWS" VALUES ('joint penetration', 'Sample text. The distance the weld metal extends from the weld face into the joint, reinforcement excluded.');
INSERT INTO "Definitions - AWS" VALUES ('leg of a fillet weld', 'Sample text. The distance from the joint root to the toe of the fillet weld.');
INSERT INTO "Definitions - AWS" VALUES ('porosity', 'Sample text. Cavity-type discontinuities formed by gas trapped during solidification.');
INSERT INTO "Definitions - AWS" VALUES ('root face', 'Sample text. The part of the groove face next to the joint root that is not beveled.');
INSERT INTO "Definitions - AWS" VALUES ('slag inclusion', 'Sample text. Nonmetallic solid material trapped in the weld metal or between the weld metal and the base metal.');
INSERT INTO "Definitions - AWS" VALUES ('spatter', 'Sample text. Metal particles expelled during welding that do not form part of the weld.');
INSERT INTO "Definitions - AWS" VALUES ('throat of a fillet weld', 'Sample text. The shortest distance from the root of the fillet weld to its face.');
INSERT INTO "Definitions - AWS" VALUES ('toe of weld', 'Sample text. The junction between the face of a weld and the base metal.');
INSERT INTO "Definitions - AWS" VALUES ('travel angle', 'Sample text. The angle of the electrode to a line square to the weld axis, in the direction of travel.');
INSERT INTO "Definitions - AWS" VALUES ('undercut', 'Sample text. A groove melted into the base metal next to the weld toe and left unfilled by weld metal.');
INSERT INTO "Definitions - AWS" VALUES ('weld pass', 'Sample text. A single progression of welding along a joint.');
INSERT INTO "Definitions - AWS" VALUES ('work angle', 'Sample text. The angle of the electrode to the work surface, square to the weld axis.');

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
INSERT INTO "Base metals" VALUES ('SA-36', NULL, NULL, 'K02600', NULL, '1', '1', NULL, NULL, '58', 'C-Mn-Si', 'Plate, bar & shapes', NULL);
INSERT INTO "Base metals" VALUES ('SA-53', 'E/B', NULL, 'K03005', NULL, '1', '1', NULL, NULL, '60', 'C', 'Resistance welded pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-53', 'S/B', NULL, 'K03005', NULL, '1', '1', NULL, NULL, '60', 'C', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-105', NULL, NULL, 'K03504', NULL, '1', '2', NULL, NULL, '70', 'C', 'Flanges & fittings', NULL);
INSERT INTO "Base metals" VALUES ('SA-106', 'B', NULL, 'K03006', NULL, '1', '1', NULL, NULL, '60', 'C-Si', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-106', 'C', NULL, 'K03501', NULL, '1', '2', NULL, NULL, '70', 'C-Si', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-181', 'Cl.70', '07c', 'K03502', NULL, '1', '2', NULL, NULL, '70', 'C-Si', NULL, NULL);
INSERT INTO "Base metals" VALUES ('SA-182', 'F11 Cl.2', NULL, 'K11572', NULL, '4', '1', NULL, NULL, '70', '1-1/4Cr-1/2Mo-Si', 'Forgings', NULL);
INSERT INTO "Base metals" VALUES ('SA-182', 'F22 Cl.3', NULL, 'K21590', NULL, '5A', '1', NULL, NULL, '75', '2-1/4Cr-1Mo', 'Forgings', NULL);
INSERT INTO "Base metals" VALUES ('SA-182', 'F304', NULL, 'S30400', NULL, '8', '1', NULL, NULL, '75', '18Cr-8Ni', 'Forgings', '<= 5 in.');
INSERT INTO "Base metals" VALUES ('SA-182', 'F304', NULL, 'S30400', NULL, '8', '1', NULL, NULL, '70', '18Cr-8Ni', 'Forgings', '> 5 in.');
INSERT INTO "Base metals" VALUES ('SA-182', 'F316L', NULL, 'S31603', NULL, '8', '1', NULL, NULL, '70', '16Cr-12Ni-2Mo', 'Forgings', NULL);
INSERT INTO "Base metals" VALUES ('SA-203', 'E', NULL, 'K32018', NULL, '9B', '1', NULL, NULL, '70', '3-1/2Ni', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-204', 'A', NULL, 'K11820', NULL, '3', '1', NULL, NULL, '65', 'C-1/2Mo', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-213', 'T11', NULL, 'K11597', NULL, '4', '1', NULL, NULL, '60', '1-1/4Cr-1/2Mo-Si', 'Smls. tube', NULL);
INSERT INTO "Base metals" VALUES ('SA-213', 'T22', NULL, 'K21590', NULL, '5A', '1', NULL, NULL, '60', '2-1/4Cr-1Mo', 'Smls. tube', NULL);
INSERT INTO "Base metals" VALUES ('SA-213', 'TP304', NULL, 'S30400', NULL, '8', '1', NULL, NULL, '75', '18Cr-8Ni', 'Smls. tube', NULL);
INSERT INTO "Base metals" VALUES ('SA-240', '304', NULL, 'S30400', NULL, '8', '1', NULL, NULL, '75', '18Cr-8Ni', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SA-240', '304L', NULL, 'S30403', NULL, '8', '1', NULL, NULL, '70', '18Cr-8Ni', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SA-240', '316L', NULL, 'S31603', NULL, '8', '1', NULL, NULL, '70', '16Cr-12Ni-2Mo', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SA-240', '410S', '08r', 'S41008', NULL, '7', '1', NULL, NULL, '60', '13Cr', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SA-285', 'C', NULL, 'K02801', NULL, '1', '1', NULL, NULL, '55', 'C', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-312', 'TP304', NULL, 'S30400', NULL, '8', '1', NULL, NULL, '75', '18Cr-8Ni', 'Smls. & wld. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-312', 'TP316L', NULL, 'S31603', NULL, '8', '1', NULL, NULL, '70', '16Cr-12Ni-2Mo', 'Smls. & wld. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-333', '6', NULL, 'K03006', NULL, '1', '1', NULL, NULL, '60', 'C-Mn-Si', 'Smls. & wld. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-335', 'P11', NULL, 'K11597', NULL, '4', '1', NULL, NULL, '60', '1-1/4Cr-1/2Mo-Si', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-335', 'P22', NULL, 'K21590', NULL, '5A', '1', NULL, NULL, '60', '2-1/4Cr-1Mo', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-335', 'P91', '07r', 'K90901', NULL, '15E', '1', NULL, NULL, '85', '9Cr-1Mo-V', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-350', 'LF2', NULL, 'K03011', NULL, '1', '2', NULL, NULL, '70', 'C-Mn-Si', 'Forgings', NULL);
INSERT INTO "Base metals" VALUES ('SA-387', '11 Cl.2', NULL, 'K11789', NULL, '4', '1', NULL, NULL, '75', '1-1/4Cr-1/2Mo-Si', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-387', '22 Cl.2', NULL, 'K21590', NULL, '5A', '1', NULL, NULL, '75', '2-1/4Cr-1Mo', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-494', 'CW-12MW', '09d', 'N30002', NULL, 'U', NULL, NULL, NULL, '72', 'Ni-Mo-Cr (cast)', 'Castings', NULL);
INSERT INTO "Base metals" VALUES ('SA-516', '60', NULL, 'K02100', NULL, '1', '1', NULL, NULL, '60', 'C-Mn-Si', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-516', '65', NULL, 'K02403', NULL, '1', '1', NULL, NULL, '65', 'C-Mn-Si', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-516', '70', NULL, 'K02700', NULL, '1', '2', NULL, NULL, '70', 'C-Mn-Si', 'Plate', NULL);
INSERT INTO "Base metals" VALUES ('SA-537', 'Cl.1', NULL, 'K12437', 'Normalized', '1', '2', NULL, NULL, '70', 'C-Mn-Si', 'Plate', '<= 2-1/2 in.');
INSERT INTO "Base metals" VALUES ('SA-537', 'Cl.2', '08a', 'K12437', 'Q&T', '1', '3', NULL, NULL, '80', 'C-Mn-Si', 'Plate', '<= 2-1/2 in.');
INSERT INTO "Base metals" VALUES ('SB-111', 'C12200', NULL, 'C12200', NULL, '31', NULL, NULL, NULL, '30', '99.9Cu-P', 'Smls. tube', NULL);
INSERT INTO "Base metals" VALUES ('SB-163', 'N06600', NULL, 'N06600', 'Annealed', '43', NULL, NULL, NULL, '80', '72Ni-15Cr-8Fe', 'Smls. tube', NULL);
INSERT INTO "Base metals" VALUES ('SB-168', 'N06600', NULL, 'N06600', 'Annealed', '43', NULL, NULL, NULL, '80', '72Ni-15Cr-8Fe', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SB-209', '5083', NULL, 'A95083', 'O', '25', NULL, NULL, NULL, '40', 'Al-4.4Mg-Mn', 'Plate & sheet', NULL);
INSERT INTO "Base metals" VALUES ('SB-209', '6061', NULL, 'A96061', 'T6', '23', NULL, NULL, NULL, '24', 'Al-Mg-Si-Cu', 'Plate & sheet', NULL);
INSERT INTO "Base metals" VALUES ('SB-265', '2', NULL, 'R50400', 'Annealed', '51', NULL, NULL, NULL, '50', 'Ti', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('SB-265', '7', '08a', 'R52400', 'Annealed', '51', NULL, NULL, NULL, '50', 'Ti-Pd', 'Plate, sheet & strip', NULL);
INSERT INTO "Base metals" VALUES ('A-36', NULL, NULL, 'K02600', NULL, NULL, NULL, '1', '1', '58', 'C-Mn-Si', 'Plate, bar & shapes', NULL);
INSERT INTO "Base metals" VALUES ('A-106', 'B', NULL, 'K03006', NULL, NULL, NULL, '1', '1', '60', 'C-Si', 'Smls. pipe', NULL);
INSERT INTO "Base metals" VALUES ('API 5L', 'B', NULL, NULL, NULL, NULL, NULL, '1', '1', '60', 'C', 'Smls. & wld. pipe', NULL);
INSERT INTO "Base metals" VALUES ('SA-193', 'B7', NULL, 'G41400', NULL, NULL, NULL, NULL, NULL, '125', '1Cr-1/5Mo', 'Bolting (bar)', '<= 2-1/2 in.');
INSERT INTO "Base metals" VALUES ('SA-479', '316', NULL, 'S31600', NULL, '8', '1', NULL, NULL, '75', '16Cr-12Ni-2Mo', 'Bar & shapes', NULL);
INSERT INTO "Base metals" VALUES ('SB-166', 'N06600', NULL, 'N06600', 'Annealed', '43', NULL, NULL, NULL, '80', '72Ni-15Cr-8Fe', 'Rod, bar & wire', NULL);

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
INSERT INTO "Filler metals" VALUES ('RG45', '5.2', '6', '1', 'K00045', 'Oxyfuel gas welding rod');
INSERT INTO "Filler metals" VALUES ('RG60', '5.2', '6', '1', 'K00060', 'Oxyfuel gas welding rod');
INSERT INTO "Filler metals" VALUES ('E4043', '5.3', '23', NULL, 'A94043', 'Aluminum-silicon covered electrode');
INSERT INTO "Filler metals" VALUES ('E308-16', '5.4', '5', '8', 'W30810', '18Cr-8Ni, lime-titania coating');
INSERT INTO "Filler metals" VALUES ('E308L-16', '5.4', '5', '8', 'W30813', 'Low carbon 18Cr-8Ni');
INSERT INTO "Filler metals" VALUES ('E309L-16', '5.4', '5', '8', 'W30913', 'Dissimilar metal joints and buffer layers');
INSERT INTO "Filler metals" VALUES ('E316L-16', '5.4', '5', '8', 'W31613', 'Low carbon Cr-Ni-Mo');
INSERT INTO "Filler metals" VALUES ('E7018-A1', '5.5', '4', '2', 'W17018', 'Carbon-molybdenum, low hydrogen');
INSERT INTO "Filler metals" VALUES ('E8018-B2', '5.5', '4', '3', 'W52018', '1-1/4Cr-1/2Mo, low hydrogen');
INSERT INTO "Filler metals" VALUES ('E9018-B3', '5.5', '4', '4', 'W53018', '2-1/4Cr-1Mo, low hydrogen');
INSERT INTO "Filler metals" VALUES ('ECuSi', '5.6', '33', NULL, 'W60656', 'Silicon bronze covered electrode');
INSERT INTO "Filler metals" VALUES ('ERCu', '5.7', '31', NULL, 'C18980', 'Deoxidized copper');
INSERT INTO "Filler metals" VALUES ('ERCuSi-A', '5.7', '33', NULL, 'C65600', 'Silicon bronze');
INSERT INTO "Filler metals" VALUES ('BAg-1', '5.8', '102', NULL, 'P07450', 'Silver brazing filler metal');
INSERT INTO "Filler metals" VALUES ('BCuP-5', '5.8', '103', NULL, 'C55284', 'Copper-phosphorus brazing filler metal');
INSERT INTO "Filler metals" VALUES ('ER308L', '5.9', '6', '8', 'S30883', 'Bare rod and wire, low carbon 18Cr-8Ni');
INSERT INTO "Filler metals" VALUES ('ER309L', '5.9', '6', '8', 'S30983', 'Bare rod and wire, overlays and dissimilar joints');
INSERT INTO "Filler metals" VALUES ('ER316L', '5.9', '6', '8', 'S31683', 'Bare rod and wire, low carbon Cr-Ni-Mo');
INSERT INTO "Filler metals" VALUES ('EQ308L', '5.9', '6', '8', 'S30886', 'Strip electrode for overlay');
INSERT INTO "Filler metals" VALUES ('ER4043', '5.10', '23', NULL, 'A94043', 'Aluminum-silicon bare rod');
INSERT INTO "Filler metals" VALUES ('ER5356', '5.10', '22', NULL, 'A95356', 'Aluminum-magnesium bare rod');
INSERT INTO "Filler metals" VALUES ('ENiCrFe-3', '5.11', '43', NULL, 'W86182', 'Nickel-chromium-iron covered electrode');
INSERT INTO "Filler metals" VALUES ('ENiCrMo-3', '5.11', '43', NULL, 'W86112', 'Nickel-chromium-molybdenum covered electrode');
INSERT INTO "Filler metals" VALUES ('EWTh-2', '5.12', NULL, NULL, 'R07912', 'Thoriated tungsten electrode, no F-number');
INSERT INTO "Filler metals" VALUES ('EWCe-2', '5.12', NULL, NULL, 'R07932', 'Ceriated tungsten electrode, no F-number');
INSERT INTO "Filler metals" VALUES ('ECoCr-A', '5.13', '71', NULL, 'W73006', 'Cobalt-chromium surfacing electrode');
INSERT INTO "Filler metals" VALUES ('EFeCr-A1', '5.13', '71', NULL, 'W74530', 'Iron-chromium surfacing electrode');
INSERT INTO "Filler metals" VALUES ('ERNiCr-3', '5.14', '43', NULL, 'N06082', 'Nickel-chromium bare rod');
INSERT INTO "Filler metals" VALUES ('ERNiCrMo-3', '5.14', '43', NULL, 'N06625', 'Nickel-chromium-molybdenum bare rod');
INSERT INTO "Filler metals" VALUES ('ENi-CI', '5.15', '43', NULL, 'W82001', 'Nickel electrode for cast iron');
INSERT INTO "Filler metals" VALUES ('ERTi-2', '5.16', '51', NULL, 'R50120', 'Commercially pure titanium');
INSERT INTO "Filler metals" VALUES ('F7A2-EM12K', '5.17', '6', '1', 'K01113', 'Flux and wire combination');
INSERT INTO "Filler metals" VALUES ('F7A0-EL12', '5.17', '6', '1', 'K01012', 'Flux and wire combination');
INSERT INTO "Filler metals" VALUES ('ER70S-2', '5.18', '6', '1', 'K10726', 'Triple deoxidized wire');
INSERT INTO "Filler metals" VALUES ('ER70S-6', '5.18', '6', '1', 'K11140', 'High manganese and silicon wire');
INSERT INTO "Filler metals" VALUES ('ERAZ92A', '5.19', NULL, NULL, 'M11922', 'Magnesium alloy rod, no F-number');
INSERT INTO "Filler metals" VALUES ('E71T-1', '5.20', '6', '1', 'W07601', 'Gas shielded flux cored, all positions');
INSERT INTO "Filler metals" VALUES ('E70T-1', '5.20', '6', '1', 'W07601', 'Gas shielded flux cored, flat and horizontal');
INSERT INTO "Filler metals" VALUES ('ERCoCr-A', '5.21', '71', NULL, 'R30006', 'Cobalt-chromium surfacing rod');
INSERT INTO "Filler metals" VALUES ('E308LT1-1', '5.22', '6', '8', 'W30835', 'Stainless flux cored, low carbon');
INSERT INTO "Filler metals" VALUES ('E309LT1-1', '5.22', '6', '8', 'W30935', 'Stainless flux cored for overlay');
INSERT INTO "Filler metals" VALUES ('F8P2-EB2-B2', '5.23', '6', '3', 'K11172', 'Low-alloy flux and wire combination');
INSERT INTO "Filler metals" VALUES ('ERZr2', '5.24', '61', NULL, 'R60702', 'Zirconium bare rod');
INSERT INTO "Filler metals" VALUES ('FES72-EH10K', '5.25', '6', '1', 'K01111', 'Electroslag flux and electrode');
INSERT INTO "Filler metals" VALUES ('EG72T-1', '5.26', '6', '1', 'W06301', 'Electrogas flux cored electrode');
INSERT INTO "Filler metals" VALUES ('ER80S-B2', '5.28', '6', '3', 'K20900', '1-1/4Cr-1/2Mo bare wire');
INSERT INTO "Filler metals" VALUES ('ER80S-Ni1', '5.28', '6', '10', 'K11260', '1% nickel bare wire');
INSERT INTO "Filler metals" VALUES ('E81T1-Ni1', '5.29', '6', '10', 'W21031', '1% nickel flux cored');
INSERT INTO "Filler metals" VALUES ('E81T1-B2', '5.29', '6', '3', 'W52031', '1-1/4Cr-1/2Mo flux cored');
INSERT INTO "Filler metals" VALUES ('INMs1', '5.30', '6', '1', 'K10726', 'Consumable insert, carbon steel');
INSERT INTO "Filler metals" VALUES ('IN308L', '5.30', '6', '8', 'S30883', 'Consumable insert, stainless');
INSERT INTO "Filler metals" VALUES ('FB3-A', '5.31', NULL, NULL, NULL, 'Brazing flux, no F-number');
INSERT INTO "Filler metals" VALUES ('ENiCrMo3T1-4', '5.34', '43', NULL, 'W86132', 'Nickel alloy flux cored');

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
