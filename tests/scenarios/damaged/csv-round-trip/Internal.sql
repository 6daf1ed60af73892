-- based on the project's catalogue
-- Every column TEXT and every value a text, as a CSV export imported
-- into a new database leaves the table.
ALTER TABLE [Internal] RENAME TO [Typed];
CREATE TABLE [Internal](Tonnage TEXT, CT TEXT, LRT TEXT, LRA TEXT, LRL TEXT);
INSERT INTO [Internal] SELECT * FROM [Typed];
DROP TABLE [Typed];
