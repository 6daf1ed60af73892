-- based on the project's catalogue
-- Every column TEXT and every value a text, as a CSV export imported
-- into a new database leaves the table.
ALTER TABLE [Engines] RENAME TO [Typed];
CREATE TABLE [Engines](Rating TEXT, Tonnage TEXT, EngineName TEXT);
INSERT INTO [Engines] SELECT * FROM [Typed];
DROP TABLE [Typed];
