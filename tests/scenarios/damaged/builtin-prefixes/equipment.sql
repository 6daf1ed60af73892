-- based on the project's catalogue
INSERT INTO [Equipment] VALUES ('Jump Jet Pack', 0.5, 1.0, 0, 0, 0, 0, 0, 0);
INSERT INTO [Equipment] VALUES ('Heat Sink Array', 1.0, 1.0, 0, 0, 0, 0, 0, 0);
