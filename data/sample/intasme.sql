-- Sample interpretations database (intasme).
-- Written for this program as sample data: the interpretation numbers, questions and replies are
-- our own sample wording and answer no real inquiry. Text columns compare without regard to
-- case; rows stand in the order in which a query without ORDER BY returns them.

CREATE TABLE "AuthorizedTablesTab" (
  "UsertableName" TEXT COLLATE NOCASE,
  "dbtableName" TEXT COLLATE NOCASE NOT NULL UNIQUE
);
INSERT INTO "AuthorizedTablesTab" VALUES ('Section I - Power Boilers', 'INT01');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section II - Materials', 'INT02');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section III - Nuclear Components', 'INT03');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section IV - Heating Boilers', 'INT04');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section V - Nondestructive Examination', 'INT05');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section VI - Care and Operation of Heating Boilers', 'INT06');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section VII - Care of Power Boilers', 'INT07');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section VIII - Pressure Vessels', 'INT08');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section IX - Welding and Brazing Qualifications', 'INT09');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section X - Fiber-Reinforced Plastic Vessels', 'INT10');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section XI - Inservice Inspection', 'INT11');
INSERT INTO "AuthorizedTablesTab" VALUES ('Section XII - Transport Tanks', 'INT12');

CREATE TABLE "INT01" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT01" VALUES ('I-07-01', 'Interpretation: I-07-01

Subject: PG-26, Weld Joint Strength Reduction

Date Issued: March 2, 2007

File: SMP07-0101

Sample text.

Question: May the weld joint strength reduction factor be omitted for a longitudinal seam that is not in the creep range?

Reply: Yes, in the sample rules the factor applies only in the creep range.', 56);
INSERT INTO "INT01" VALUES ('I-08-01', 'Interpretation: I-08-01

Subject: PW-28, Welding Qualification

Date Issued: January 14, 2008

File: SMP08-0102

Sample text.

Question: Must welding procedures for boiler external piping be qualified to Section IX?

Reply: Yes.', 58);

CREATE TABLE "INX01" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX01" VALUES ('PG-26', 'I-07-01', '01');
INSERT INTO "INX01" VALUES ('PW-28', 'I-08-01', '01');
INSERT INTO "INX01" VALUES ('QW-200.1', 'I-08-01', '01');

CREATE TABLE "INT02" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT02" VALUES ('II-07-01', 'Interpretation: II-07-01

Subject: Part D, Allowable Stress Values

Date Issued: April 10, 2007

File: SMP07-0201

Sample text.

Question: May allowable stress values be interpolated between the listed temperatures?

Reply: Yes, linear interpolation is permitted in the sample rules.', 56);
INSERT INTO "INT02" VALUES ('II-09-01', 'Interpretation: II-09-01

Subject: SA-516, Plate Thickness Tolerance

Date Issued: May 5, 2009

File: SMP09-0203

Sample text.

Question: Does the thickness tolerance of SA-20 apply to SA-516 plate ordered to minimum thickness?

Reply: Yes.', 60);

CREATE TABLE "INX02" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX02" VALUES ('Part D', 'II-07-01', '02');
INSERT INTO "INX02" VALUES ('SA-516', 'II-09-01', '02');

CREATE TABLE "INT03" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT03" VALUES ('III-07-01', 'Interpretation: III-07-01

Subject: NB-4335, Impact Tests of Heat-Affected Zone

Date Issued: June 1, 2007

File: SMP07-0301

Sample text.

Question: Are heat-affected zone impact tests required when the base metal is exempt from impact testing?

Reply: No.', 56);
INSERT INTO "INT03" VALUES ('III-08-01', 'Interpretation: III-08-01

Subject: NB-4311, Types of Permitted Welding Processes

Date Issued: July 7, 2008

File: SMP08-0302

Sample text.

Question: May friction stir welding be used for Class 1 components?

Reply: No, not without a Code Case in the sample rules.', 58);

CREATE TABLE "INX03" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX03" VALUES ('NB-4335', 'III-07-01', '03');
INSERT INTO "INX03" VALUES ('QW-403.6', 'III-07-01', '03');
INSERT INTO "INX03" VALUES ('NB-4311', 'III-08-01', '03');

CREATE TABLE "INT04" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT04" VALUES ('IV-08-01', 'Interpretation: IV-08-01

Subject: HG-340, Stays

Date Issued: February 20, 2008

File: SMP08-0401

Sample text.

Question: May stays be attached by fillet welds alone?

Reply: No.', 58);
INSERT INTO "INT04" VALUES ('IV-09-01', 'Interpretation: IV-09-01

Subject: HW-610, Welding Qualifications

Date Issued: August 3, 2009

File: SMP09-0402

Sample text.

Question: Must the welder of a cast iron boiler section qualify to Section IX?

Reply: Yes.', 60);

CREATE TABLE "INX04" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX04" VALUES ('HG-340', 'IV-08-01', '04');
INSERT INTO "INX04" VALUES ('HW-610', 'IV-09-01', '04');

CREATE TABLE "INT05" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT05" VALUES ('V-07-01', 'Interpretation: V-07-01

Subject: T-276, IQI Selection

Date Issued: May 14, 2007

File: SMP07-0501

Sample text.

Question: May a wire IQI be placed on the film side when the source side is not accessible?

Reply: Yes, with the film-side marker described in the sample rules.', 56);
INSERT INTO "INT05" VALUES ('V-09-01', 'Interpretation: V-09-01

Subject: T-672, Penetrant Dwell Time

Date Issued: March 23, 2009

File: SMP09-0502

Sample text.

Question: May the penetrant dwell time be reduced below the listed minimum for smooth machined surfaces?

Reply: No.', 60);

CREATE TABLE "INX05" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX05" VALUES ('T-276', 'V-07-01', '05');
INSERT INTO "INX05" VALUES ('T-672', 'V-09-01', '05');

CREATE TABLE "INT06" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT06" VALUES ('  Sorvik Notice', 'Sample text. Notice

The interpretations in this database are sample entries written to demonstrate the program. They are not interpretations of any Code committee and must not be used as such.

Each entry shows its number, subject, date and file number, followed by a question and a reply.', NULL);

CREATE TABLE "INX06" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);

CREATE TABLE "INT07" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);

CREATE TABLE "INX07" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);

CREATE TABLE "INT08" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT08" VALUES ('  Sorvik Notice', 'Sample text. Notice

The interpretations in this database are sample entries written to demonstrate the program. They are not interpretations of any Code committee and must not be used as such.

Each entry shows its number, subject, date and file number, followed by a question and a reply.', NULL);
INSERT INTO "INT08" VALUES ('VIII-07-01', 'Interpretation: VIII-07-01

Subject: UW-28, Qualification of Welding Procedure

Date Issued: January 29, 2007

File: SMP07-0801

Sample text.

Question: Must a WPS used for attachment welds to pressure parts be qualified?

Reply: Yes.', 56);
INSERT INTO "INT08" VALUES ('VIII-07-02', 'Interpretation: VIII-07-02

Subject: UCS-66, Impact Test Exemption and Welding Procedure

Date Issued: September 17, 2007

File: SMP07-0802

Sample text.

Question: When the base metal is exempt from impact testing by UCS-66, must the WPS be qualified with impact tests?

Reply: No. The supplementary essential variables then do not apply.', 57);
INSERT INTO "INT08" VALUES ('VIII-08-01', 'Interpretation: VIII-08-01

Subject: UW-27, Welding Processes

Date Issued: April 8, 2008

File: SMP08-0801

Sample text.

Question: May electrogas welding be used for longitudinal joints of a vessel?

Reply: Yes, in the sample rules, with the grain refining heat treatment where required.', 58);
INSERT INTO "INT08" VALUES ('VIII-08-02', 'Interpretation: VIII-08-02

Subject: UG-84, Heat-Affected Zone Impact Tests

Date Issued: October 21, 2008

File: SMP08-0802

Sample text.

Question: Does a PQR with impact tests of the weld metal only support a WPS that requires heat-affected zone impact tests?

Reply: No.', 58);
INSERT INTO "INT08" VALUES ('VIII-09-01', 'Interpretation: VIII-09-01

Subject: UW-42, Surface Weld Metal Buildup

Date Issued: March 9, 2009

File: SMP09-0801

Sample text.

Question: Is weld buildup on a nozzle neck qualified as a groove weld?

Reply: Yes. See QW-202.3.', 60);
INSERT INTO "INT08" VALUES ('VIII-09-02', 'Interpretation: VIII-09-02

Subject: UW-35, Finished Weld Surfaces

Date Issued: November 2, 2009

File: SMP09-0802

Sample text.

Question: May undercut within the stated depth remain on the outside surface of a Category A joint?

Reply: Yes.', 60);

CREATE TABLE "INX08" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX08" VALUES ('QW-200.1', 'VIII-07-01', '08');
INSERT INTO "INX08" VALUES ('UW-28', 'VIII-07-01', '08');
INSERT INTO "INX08" VALUES ('QW-403.6', 'VIII-07-02', '08');
INSERT INTO "INX08" VALUES ('UCS-66', 'VIII-07-02', '08');
INSERT INTO "INX08" VALUES ('QW-407.8', 'VIII-08-01', '08');
INSERT INTO "INX08" VALUES ('UW-27', 'VIII-08-01', '08');
INSERT INTO "INX08" VALUES ('QW-409.1', 'VIII-08-02', '08');
INSERT INTO "INX08" VALUES ('UG-84', 'VIII-08-02', '08');
INSERT INTO "INX08" VALUES ('QW-202.3', 'VIII-09-01', '08');
INSERT INTO "INX08" VALUES ('UW-42', 'VIII-09-01', '08');
INSERT INTO "INX08" VALUES ('UW-35', 'VIII-09-02', '08');

CREATE TABLE "INT09" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT09" VALUES ('  Sorvik Notice', 'Sample text. Notice

The interpretations in this database are sample entries written to demonstrate the program. They are not interpretations of any Code committee and must not be used as such.

Each entry shows its number, subject, date and file number, followed by a question and a reply.', NULL);
INSERT INTO "INT09" VALUES ('IX-07-01', 'Interpretation: IX-07-01

Subject: QW-403.6, Minimum Base Metal Thickness With Impact Tests

Date Issued: February 12, 2007

File: SMP07-0901

Sample text.

Question: A PQR was welded on a 1 in. thick coupon with impact tests. May the WPS be used on base metal 1/2 in. thick?

Reply: Yes, because the lower limit is the smaller of T and 5/8 in.

Sample text, continued. The inquiry that follows is longer than most, as some inquiries of a real volume are, and so is the reply. It is written for this program alone, to show how a text of many pages of the database file is listed, shown, searched and printed; it answers no real inquiry, and no committee wrote it.

Background given by the inquirer. A fabricator of pressure vessels for low-temperature service qualified a welding procedure for the submerged arc process on carbon steel plate. The coupon was 1 in. thick, welded in the flat position with a single-V groove and a backing strip that was removed after welding. The coupon was preheated to 200 F, and the highest interpass temperature recorded was 450 F. The heat input of each pass was measured and recorded, the largest value being 55 kJ/in. After welding, the coupon was given a postweld heat treatment at 1150 F for one hour. Tension and side-bend specimens were taken and passed, and Charpy V-notch specimens were taken from the weld metal and from the heat-affected zone and tested at -50 F; all met the required absorbed energy.

The fabricator now wishes to use the procedure on several vessels of the same steel, where the shell plates are 1/2 in. thick, the heads are 3/4 in. thick and a few nozzle reinforcing pads are 1-1/4 in. thick. The fabricator also asks whether the preheat, the interpass temperature and the heat treatment of the coupon limit the production welds, and how the qualified thickness range is to be read when toughness tests are required.

Question (a): Does the PQR described above qualify a WPS for base metal 1/2 in. thick, where impact tests are required?

Reply (a): Yes. Where toughness tests are required, the lower limit of the qualified base metal thickness is the smaller of the coupon thickness T and 5/8 in. For a coupon 1 in. thick, the smaller of the two is 5/8 in., and since the lower limit may not exceed it, a thinner plate is covered down to that limit only where the paragraphs for toughness allow it. In the sample rules used by this program, the limit of 5/8 in. applies and base metal of 1/2 in. is taken to lie within it, as the first reply above says. The reader of a real volume should read the paragraph itself, as this sample does not state it.

Question (b): Does the same PQR qualify the heads of 3/4 in. and the pads of 1-1/4 in.?

Reply (b): Yes for the heads, whose thickness lies between the lower limit and the upper limit. For the pads, the upper limit of the qualified thickness is read from the table for the coupon thickness; for a coupon of 1 in. it is twice the coupon thickness, 2 in., so a pad of 1-1/4 in. is covered as well. Where the pad is welded to the shell with a fillet weld, the fillet weld is qualified by the groove weld for all thicknesses, and no further coupon is needed for it.

Question (c): Is the preheat of the coupon a limit on the production welds?

Reply (c): A decrease of the preheat by more than 100 F below the value on the PQR is an essential variable of the process in the sample rules; an increase is not. The production welds may therefore be preheated to any temperature from 100 F upward, as the WPS gives it, provided the other limits are kept.

Question (d): Is the interpass temperature of the coupon a limit on the production welds?

Reply (d): Where toughness tests are required, an increase of more than 100 F in the highest interpass temperature recorded on the PQR is a supplementary essential variable. The production welds may therefore not exceed 550 F between passes without a new qualification. The WPS should state the limit and how it is checked.

Question (e): Is the heat input of the coupon a limit on the production welds?

Reply (e): Where toughness tests are required, an increase of the heat input per unit length of weld over that qualified is a supplementary essential variable. The production welds may not exceed 55 kJ/in. per pass. Where the heat input is controlled by the volume of weld metal per unit length instead, that volume may not exceed the largest volume of the qualification.

Question (f): Does the postweld heat treatment of the coupon bind the production vessels?

Reply (f): Yes. The postweld heat treatment is an essential variable in the sample rules, and where toughness tests are required, the temperature and the time at temperature of the treatment are limited as well. The production vessels must be heat treated within the range of temperature that the coupon qualifies, and for a total time at temperature of not more than the coupon''s time plus the margin that the paragraph allows. A vessel that will be heat treated more than once, for example after a repair, must have that total time covered by the coupon.

Question (g): May the fabricator weld the nozzle pads in the horizontal position, although the coupon was welded flat?

Reply (g): The position of the coupon is a nonessential variable for the procedure in the sample rules, except where toughness tests are required and the weld is made with a vertical uphill progression; then a change to uphill from other progressions is a supplementary essential variable. A pad welded in the horizontal position with the submerged arc process does not meet that exception, and the procedure covers it.

Question (h): The fabricator has a second PQR for the same process, welded on a coupon 3/8 in. thick without impact tests. May the two PQRs together support one WPS for thicknesses from 3/16 in. to 2 in.?

Reply (h): A WPS may rest on more than one PQR, provided that each variable of the WPS lies within the range that one of them qualifies for it. The second PQR, without impact tests, cannot support the ranges of a WPS for service where toughness tests are required. For such service the WPS rests on the first PQR alone, and its lower limit stays as given in reply (a). For service without toughness requirements, the two PQRs together may support the wider range.

Question (i): The fabricator intends to weld some nozzles with the gas tungsten arc process for the root and the submerged arc process for the rest. Is a separate PQR needed for the root?

Reply (i): Yes, unless the root process was part of the coupon. Each process of a combined joint is qualified for the weld metal thickness that it deposits. The gas tungsten arc root needs a PQR of its own, or a coupon welded with both processes, and where toughness tests are required the root''s weld metal must be covered by impact specimens as well.

Question (j): Some vessels will be welded by a subcontractor in the fabricator''s shop, using the fabricator''s equipment and under the fabricator''s supervision. May the subcontractor''s welders use the fabricator''s WPS?

Reply (j): The organization that has operational control of the welding is responsible for the WPS and the PQR. Where the fabricator supervises the work and the welders work under its quality system, the fabricator''s WPS may be used; the welders must then be qualified by the fabricator. Where the subcontractor controls the work, the subcontractor needs its own qualified procedures.

Question (k): The heat of steel for the production plates differs from the heat of the coupon plate, although both meet the same specification. Does the change of heat need a new qualification?

Reply (k): No. The base metals are grouped by P-number and, where toughness tests are required, by group number; a change within the same P-number and group number needs no new qualification, whatever the heat. The toughness of the production plate itself is a matter of the material specification and its own tests, not of the welding procedure.

Question (l): The fabricator''s records of the coupon were kept electronically and signed with an electronic signature. Is such a record acceptable?

Reply (l): The form of the record is not fixed. An electronic record is acceptable when it holds every variable and test result that the paragraphs require, when it can be shown to the inspector, and when its certification by the organization can be checked.

Question (m): After a repair, one vessel was heat treated a second time, so that its total time at temperature is two hours. Does the PQR, whose coupon was treated for one hour, still cover the vessel?

Reply (m): Not in the sample rules. Where toughness tests are required, the total time at the heat treatment temperature of the production weld may not exceed the time of the coupon by more than the paragraph allows. The fabricator may weld a new coupon that is treated for the longer time, or give the coupon of the original PQR, where enough of it is left, a further treatment and test it again as a supplement to the record.

Question (n): May the welder who welded the PQR coupon weld production joints without a separate performance qualification?

Reply (n): Yes. A welder who welds an acceptable procedure qualification coupon is thereby qualified for the process, within the ranges that the paragraphs on performance qualification give for that coupon. The fabricator records the qualification as for any other welder.

History of this inquiry. The inquiry was received as one letter with several questions. The committee answered each question separately, as is its practice, and combined the replies into one interpretation because all of them concern the same PQR. Replies that depend on the thickness tables follow the tables of the edition in force when the inquiry was received; a later edition may change them, and a reader should check the tables of the edition that governs the work.

Note on this sample. The replies above follow the sample rules of this program and are written only to fill a text long enough to reach many pages of the file. A reader who sees this note has the whole interpretation before him; here ends the sample interpretation IX-07-01.', 56);
INSERT INTO "INT09" VALUES ('IX-07-02', 'Interpretation: IX-07-02

Subject: QW-404.5, A-Number of Weld Metal

Date Issued: February 12, 2007

File: SMP07-0902

Sample text.

Question: May the A-number be taken from the filler metal manufacturer''s certificate instead of a weld deposit analysis?

Reply: Yes, where the classification or the certificate gives the analysis of the deposit.', 56);
INSERT INTO "INT09" VALUES ('IX-07-03', 'Interpretation: IX-07-03

Subject: QW-407.1, PWHT Condition

Date Issued: May 21, 2007

File: SMP07-0903

Sample text.

Question: A PQR was postweld heat treated below the lower transformation temperature. Does it qualify a WPS without PWHT?

Reply: No.', 56);
INSERT INTO "INT09" VALUES ('IX-07-04', 'Interpretation: IX-07-04

Subject: QW-202.2, Partial Penetration Groove Welds

Date Issued: June 18, 2007

File: SMP07-0904

Sample text.

Question: Does a complete penetration groove-weld test qualify partial penetration groove welds?

Reply: Yes, within the limits of QW-202.2(b).', 57);
INSERT INTO "INT09" VALUES ('IX-07-05', 'Interpretation: IX-07-05

Subject: QW-409.1, Heat Input

Date Issued: September 10, 2007

File: SMP07-0905

Sample text.

Question: May the heat input of a PQR be worked out from the weld bead size instead of from current, voltage and travel speed?

Reply: Yes.', 57);
INSERT INTO "INT09" VALUES ('IX-07-06', 'Interpretation: IX-07-06

Subject: QW-405.1, Positions

Date Issued: November 5, 2007

File: SMP07-0906

Sample text.

Question: Does a groove-weld test in the 1G position qualify a WPS for all positions when notch toughness is not required?

Reply: Yes. See QW-203.', 57);
INSERT INTO "INT09" VALUES ('IX-08-01', 'Interpretation: IX-08-01

Subject: QW-403.11, P-Number Combinations

Date Issued: January 28, 2008

File: SMP08-0901

Sample text.

Question: Does a PQR that joins P-No. 1 to P-No. 8 qualify a WPS for P-No. 1 to P-No. 1?

Reply: No.', 58);
INSERT INTO "INT09" VALUES ('IX-08-02', 'Interpretation: IX-08-02

Subject: QW-404.30, Deposited Weld Metal Thickness

Date Issued: March 17, 2008

File: SMP08-0902

Sample text.

Question: Two processes were used in one PQR. Is the weld metal thickness qualified for each process found from the thickness it deposited?

Reply: Yes.', 58);
INSERT INTO "INT09" VALUES ('IX-08-03', 'Interpretation: IX-08-03

Subject: QW-410.9, Multipass to Single Pass

Date Issued: May 5, 2008

File: SMP08-0903

Sample text.

Question: Where impact tests are not required, may a WPS qualified with multipass welding allow single pass per side?

Reply: Yes.', 58);
INSERT INTO "INT09" VALUES ('IX-08-04', 'Interpretation: IX-08-04

Subject: QW-408.2, Shielding Gas Mixture

Date Issued: August 11, 2008

File: SMP08-0904

Sample text.

Question: Is a change from argon with 25% carbon dioxide to argon with 20% carbon dioxide a change of an essential variable?

Reply: Yes, in the sample rules any change in the nominal mixture is.', 59);
INSERT INTO "INT09" VALUES ('IX-08-05', 'Interpretation: IX-08-05

Subject: QW-402.1, Groove Design

Date Issued: October 6, 2008

File: SMP08-0905

Sample text.

Question: Must a WPS be requalified when the groove angle is changed?

Reply: No. Groove design is a nonessential variable.', 59);
INSERT INTO "INT09" VALUES ('IX-08-06', 'Interpretation: IX-08-06

Subject: QW-451, Thickness Limits for Thin Coupons

Date Issued: December 1, 2008

File: SMP08-0906

Sample text.

Question: Does a test coupon 1/8 in. thick qualify base metal 1/16 in. thick?

Reply: Yes. See QW-451.1.', 59);
INSERT INTO "INT09" VALUES ('IX-09-01', 'Interpretation: IX-09-01

Subject: QW-406.1, Preheat

Date Issued: February 2, 2009

File: SMP09-0901

Sample text.

Question: The PQR was welded with a preheat of 200 F. May the WPS specify 50 F?

Reply: No. A decrease of more than 100 F requires requalification.', 60);
INSERT INTO "INT09" VALUES ('IX-09-02', 'Interpretation: IX-09-02

Subject: QW-202.5, Stud Welding for Extended Heating Surfaces

Date Issued: April 20, 2009

File: SMP09-0902

Sample text.

Question: May studs for extended heating surfaces be qualified with fewer test welds?

Reply: Yes, when the base plate is P-No. 1 as QW-202.5 allows.', 60);
INSERT INTO "INT09" VALUES ('IX-09-03', 'Interpretation: IX-09-03

Subject: QW-403.9, Passes Thicker Than 1/2 in.

Date Issued: June 15, 2009

File: SMP09-0903

Sample text.

Question: Does QW-403.9 apply when only the root pass is thicker than 1/2 in.?

Reply: Yes. Any pass thicker than 1/2 in. brings it in.', 60);
INSERT INTO "INT09" VALUES ('IX-09-04', 'Interpretation: IX-09-04

Subject: QW-462.5(a), Overlay Thickness

Date Issued: September 14, 2009

File: SMP09-0904

Sample text.

Question: Is the minimum overlay thickness qualified measured from the fusion line?

Reply: Yes. See QW-462.5(a).', 60);
INSERT INTO "INT09" VALUES ('IX-09-05', 'Interpretation: IX-09-05

Subject: QW-492, Definition of Weld Buildup

Date Issued: November 9, 2009

File: SMP09-0905

Sample text.

Question: Is weld metal buildup on a worn surface a repair in the sense of QW-202.3?

Reply: Yes.', 60);
INSERT INTO "INT09" VALUES ('IX-09-06', 'Interpretation: IX-09-06

Subject: QW-404.4, F-Number of Unlisted Filler Metal

Date Issued: December 7, 2009

File: SMP09-0906

Sample text.

Question: A filler metal is not listed in QW-432. May it be given the F-number of a similar classification?

Reply: No. An unlisted filler metal is qualified by itself.', 60);

CREATE TABLE "INX09" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX09" VALUES ('QW-403.6', 'IX-07-01', '09');
INSERT INTO "INX09" VALUES ('QW-451.1', 'IX-07-01', '09');
INSERT INTO "INX09" VALUES ('QW-404.5', 'IX-07-02', '09');
INSERT INTO "INX09" VALUES ('QW-442', 'IX-07-02', '09');
INSERT INTO "INX09" VALUES ('QW-200.1', 'IX-07-03', '09');
INSERT INTO "INX09" VALUES ('QW-407.1', 'IX-07-03', '09');
INSERT INTO "INX09" VALUES ('QW-202.2', 'IX-07-04', '09');
INSERT INTO "INX09" VALUES ('QW-451.1', 'IX-07-04', '09');
INSERT INTO "INX09" VALUES ('QW-409.1', 'IX-07-05', '09');
INSERT INTO "INX09" VALUES ('QW-203', 'IX-07-06', '09');
INSERT INTO "INX09" VALUES ('QW-405.1', 'IX-07-06', '09');
INSERT INTO "INX09" VALUES ('QW-403.11', 'IX-08-01', '09');
INSERT INTO "INX09" VALUES ('QW-424.1', 'IX-08-01', '09');
INSERT INTO "INX09" VALUES ('QW-200.4', 'IX-08-02', '09');
INSERT INTO "INX09" VALUES ('QW-404.30', 'IX-08-02', '09');
INSERT INTO "INX09" VALUES ('QW-410.9', 'IX-08-03', '09');
INSERT INTO "INX09" VALUES ('QW-408.2', 'IX-08-04', '09');
INSERT INTO "INX09" VALUES ('QW-402.1', 'IX-08-05', '09');
INSERT INTO "INX09" VALUES ('QW-451', 'IX-08-06', '09');
INSERT INTO "INX09" VALUES ('QW-451.1', 'IX-08-06', '09');
INSERT INTO "INX09" VALUES ('QW-406.1', 'IX-09-01', '09');
INSERT INTO "INX09" VALUES ('QW-192', 'IX-09-02', '09');
INSERT INTO "INX09" VALUES ('QW-202.5', 'IX-09-02', '09');
INSERT INTO "INX09" VALUES ('QW-403.9', 'IX-09-03', '09');
INSERT INTO "INX09" VALUES ('QW-402.16', 'IX-09-04', '09');
INSERT INTO "INX09" VALUES ('QW-453', 'IX-09-04', '09');
INSERT INTO "INX09" VALUES ('QW-202.3', 'IX-09-05', '09');
INSERT INTO "INX09" VALUES ('QW-492', 'IX-09-05', '09');
INSERT INTO "INX09" VALUES ('QW-404.4', 'IX-09-06', '09');
INSERT INTO "INX09" VALUES ('QW-432', 'IX-09-06', '09');
INSERT INTO "INX09" VALUES ('QW-403.6', 'VIII-07-02', '08');
INSERT INTO "INX09" VALUES ('QW-409.1', 'VIII-08-02', '08');
INSERT INTO "INX09" VALUES ('QW-202.3', 'VIII-09-01', '08');
INSERT INTO "INX09" VALUES ('QW-290', 'XI-07-01', '11');
INSERT INTO "INX09" VALUES ('QW-200.1', 'B31.1-08-01', '31');

CREATE TABLE "INT10" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT10" VALUES ('X-08-01', 'Interpretation: X-08-01

Subject: RG-310, Procedure Specification

Date Issued: March 3, 2008

File: SMP08-1001

Sample text.

Question: Must a change of resin supplier be recorded as a new procedure specification?

Reply: Yes.', 58);

CREATE TABLE "INX10" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX10" VALUES ('RG-310', 'X-08-01', '10');

CREATE TABLE "INT11" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT11" VALUES ('XI-07-01', 'Interpretation: XI-07-01

Subject: IWA-4400, Welding for Repair

Date Issued: July 23, 2007

File: SMP07-1101

Sample text.

Question: May temper bead welding be used for repair instead of postweld heat treatment?

Reply: Yes, under the conditions of the sample rules and QW-290.', 56);
INSERT INTO "INT11" VALUES ('XI-09-01', 'Interpretation: XI-09-01

Subject: IWB-2500, Examination Categories

Date Issued: October 5, 2009

File: SMP09-1102

Sample text.

Question: Is a volumetric examination required for a weld that was repaired by buildup?

Reply: Yes.', 60);

CREATE TABLE "INX11" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX11" VALUES ('IWA-4400', 'XI-07-01', '11');
INSERT INTO "INX11" VALUES ('QW-290', 'XI-07-01', '11');
INSERT INTO "INX11" VALUES ('IWB-2500', 'XI-09-01', '11');

CREATE TABLE "INT12" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT12" VALUES ('XII-09-01', 'Interpretation: XII-09-01

Subject: TW-130, Welding Qualifications

Date Issued: May 18, 2009

File: SMP09-1201

Sample text.

Question: Must welding procedures for transport tanks be qualified to Section IX?

Reply: Yes.', 60);

CREATE TABLE "INX12" (
  "Reference" TEXT COLLATE NOCASE NOT NULL,
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL,
  "section" TEXT COLLATE NOCASE NOT NULL
);
INSERT INTO "INX12" VALUES ('QW-200.1', 'XII-09-01', '12');
INSERT INTO "INX12" VALUES ('TW-130', 'XII-09-01', '12');

CREATE TABLE "INT31" (
  "INTER_STR" TEXT COLLATE NOCASE NOT NULL UNIQUE,
  "INTER_TEXT" TEXT,
  "vol" INTEGER
);
INSERT INTO "INT31" VALUES ('B31.1-08-01', 'Interpretation: B31.1-08-01

Subject: 127.5, Welding Qualification

Date Issued: June 9, 2008

File: SMP08-3101

Sample text.

Question: May a WPS qualified to Section IX be used for power piping?

Reply: Yes.', 58);
