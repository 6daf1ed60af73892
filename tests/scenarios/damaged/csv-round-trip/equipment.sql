-- based on the project's catalogue
-- Every column TEXT and every value a text, as a CSV export imported
-- into a new database leaves the table.
ALTER TABLE [Equipment] RENAME TO [Typed];
CREATE TABLE [Equipment](Item TEXT, Tonnage TEXT, Criticals TEXT, Damage TEXT, Heat TEXT, Long TEXT, Medium TEXT, Minimum TEXT, Short TEXT);
INSERT INTO [Equipment] SELECT * FROM [Typed];
DROP TABLE [Typed];
